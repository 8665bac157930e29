#include "plugin/dimensions/label_text.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/geometry/affine.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_text.h"
#include "plugin/services/suites.h"
#include "plugin/services/text_engine.h"
#include "plugin/settings/label_styles.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/label.h"

namespace quill {

namespace {

constexpr double kToleranceSizeRatio = 0.7;

void ApplyFeatures(AIArtHandle text, double size, double baselineShift, int32_t justification) {
    const SettingsRecord& s = Settings();
    ate::CharFeatures chars;
    chars.SetFillColor(Styles().textColour);
    chars.SetTracking(0);
    chars.SetFontSize(static_cast<AIReal>(size));
    chars.SetBaselineShift(static_cast<AIReal>(baselineShift));
    chars.SetFillOverprint(s.overprintFill);
    AIFontKey font = nullptr;
    FontRef ateFont = nullptr;
    if (sAIFont->FindFont(ToHostText(s.fontName).c_str(), &font) == kNoErr &&
        sAIFont->FontFromFontKey(font, &ateFont) == kNoErr)
        chars.SetFont(ateFont);
    ate::ParaFeatures para;
    para.SetJustification(justification);
    para.SetFirstLineIndent(0);
    para.SetStartIndent(0);
    ate::TextRange range(text);
    range.SetLocalCharFeatures(chars);
    range.SetLocalParaFeatures(para);
}

void SetContents(AIArtHandle text, const char* content) {
    std::string converted;
    ai::Check(ConvertToHostText(content, &converted));
    ate::TextRange range(text);
    range.SetContents(converted.c_str());
}

Matrix CurrentMatrix(AIArtHandle text) {
    AIRealMatrix m{1, 0, 0, 1, 0, 0};
    sAITextFrame->GetTextFrameMatrix(text, &m);
    return {m.a, m.b, m.c, m.d, m.tx, m.ty};
}

bool Bounds(AIArtHandle art, float* width, float* height) {
    AIRealRect box{};
    if (sAIArt->GetArtBounds(art, &box) != kNoErr) return false;
    *width = box.right - box.left;
    *height = box.top - box.bottom;
    return true;
}

int32_t HostJustification(LabelJustification justification) {
    switch (justification) {
        case LabelJustification::Left:
            return kLeftJustify;
        case LabelJustification::Right:
            return kRightJustify;
        default:
            return kCenterJustify;
    }
}

}  // namespace

void ApplyLabelFeatures(AIArtHandle text, double size, double baselineShift,
                        LabelJustification justification) {
    ApplyFeatures(text, size, baselineShift, HostJustification(justification));
}

AIErr CreateLabelText(int slot, const char* content, LabelJustification justification) {
    AIArtHandle& label = ArtSet().slots[slot].label;
    if (Settings().unit == kNoUnit) return DisposeArt(label);
    AIErr result = kNoErr;
    if (!IsValidArt(label)) result = NewTextPiece(&label);
    if (result != kNoErr) return DisposeUnfinished(&label, result);
    try {
        const double size = Settings().textSize;
        ApplyFeatures(label, size, Settings().doubleMeasure ? size / 3 : -size / 3,
                      HostJustification(justification));
        SetContents(label, content);
    } catch (const ai::Error& error) {
        return DisposeUnfinished(&label, error.code());
    }
    return kNoErr;
}

AIErr MeasureLabel(AIArtHandle label, float* width, float* height) {
    if (!IsValidArt(label)) return kBadParameterErr;
    const Matrix placed = CurrentMatrix(label);
    TransformPiece(label, Inverse(placed));
    AIRealRect box{};
    const AIErr result = sAIArt->GetArtBounds(label, &box);
    *width = box.right - box.left;
    *height = box.top - box.bottom;
    TransformPiece(label, placed);
    return result;
}

AIErr PlaceLabel(AIArtHandle label, Point centre, float rotation) {
    if (!IsValidArt(label)) return kNoErr;
    const Matrix placement =
        rotation != 0 ? Then(RotationMatrix(rotation), TranslationMatrix(centre.h, centre.v))
                      : TranslationMatrix(centre.h, centre.v);
    return TransformPiece(label, Then(Inverse(CurrentMatrix(label)), placement));
}

AIErr PlaceToleranceText(int which, int slot, SegmentDimensionType placedAs, float direction) {
    DimensionSlot& pieces = ArtSet().slots[slot];
    AIArtHandle& tolerance = pieces.tolerance[which];
    AIErr result = DisposeArt(tolerance);
    tolerance = nullptr;
    if (!IsValidArt(pieces.label)) return result;
    result = sAIArt->DuplicateArt(pieces.label, kPlaceInsideOnTop, ArtSet().group, &tolerance);
    if (result != kNoErr) return result;
    const SettingsRecord& s = Settings();
    LabelText content;
    ComposeToleranceText(ToleranceStyleOf(s, which), content);
    try {
        ApplyFeatures(tolerance, kToleranceSizeRatio * s.textSize, s.tolerances[which].offset,
                      kLeftJustify);
        SetContents(tolerance, content.c_str());
    } catch (const ai::Error& error) {
        return DisposeUnfinished(&tolerance, error.code());
    }
    float width = 0, height = 0;
    Bounds(pieces.label, &width, &height);
    Point move;
    if (s.horizontalText || placedAs == kHorizontalType) {
        move = {width / 2, 0};
    } else if (placedAs == kVerticalType) {
        move = {0, height / 2};
    } else {
        const float half = std::max(width, height) / 2;
        const bool forwards = direction > -kHalfPi && direction <= kHalfPi;
        const float along = BuildState().textRotation + (forwards ? 0 : kPi);
        move = PolarVector(half, along);
    }
    return TransformPiece(tolerance, TranslationMatrix(move.h, move.v));
}

AIErr PlaceToleranceTexts(int slot, SegmentDimensionType placedAs, float direction) {
    AIErr result = kNoErr;
    for (int which = 0; which < 2; ++which) {
        if (Settings().tolerances[which].shown)
            result = PlaceToleranceText(which, slot, placedAs, direction);
        else
            result = DisposeArt(ArtSet().slots[slot].tolerance[which]);
    }
    return result;
}

}  // namespace quill
