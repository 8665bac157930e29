#include "plugin/dimensions/angle_pieces.h"

#include "plugin/dimensions/angle_dimension.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/geometry/affine.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr std::int16_t kRadiusLineCorners = 3;

// The label, then the tolerance texts that are switched on, each inside the group on top.
// A failure stops the sequence.
AIErr CreateTexts(DimensionSlot& pieces) {
    AIErr result = NewTextPiece(&pieces.label);
    for (int which = 0; which < 2 && result == kNoErr; ++which)
        if (Settings().tolerances[which].shown) result = NewTextPiece(&pieces.tolerance[which]);
    return result;
}

}  // namespace

BuildResult PrepareAngleArt(AngleSource source) {
    DimensionArtSet& set = ArtSet();
    if (!IsValidArt(set.group)) return Reported({kNoErr, BuildOutcome::NothingBuilt});
    DimensionSlot& pieces = set.slots[0];
    pieces = DimensionSlot{};
    set.angleArc = nullptr;
    set.arcRadiusLines = nullptr;
    set.extraArcs.clear();
    AIErr result = CreateTexts(pieces);
    AIArtHandle below = pieces.label;
    if (result == kNoErr && source == AngleSource::Arc) {
        result = NewPathPiece(pieces.label, kRadiusLineCorners, &set.arcRadiusLines);
        below = set.arcRadiusLines;
    }
    if (result == kNoErr) result = NewPathPiece(below, 0, &set.angleArc);
    if (result == kNoErr) result = NewPathPiece(set.angleArc, 0, &pieces.arrowhead[0]);
    if (result == kNoErr) result = NewPathPiece(pieces.arrowhead[0], 0, &pieces.arrowhead[1]);
    return Reported({result, BuildOutcome::Built});
}

bool EnsureAngleArc(AIErr* result) {
    DimensionArtSet& set = ArtSet();
    if (IsValidArt(set.angleArc)) return true;
    const AIArtHandle below =
        IsValidArt(set.arcRadiusLines) ? set.arcRadiusLines : set.slots[0].label;
    *result = NewPathPiece(below, 0, &set.angleArc);
    return IsValidArt(set.angleArc);
}

bool EnsureArcRadiusLines(AIErr* result) {
    DimensionArtSet& set = ArtSet();
    if (IsValidArt(set.arcRadiusLines)) return true;
    *result = NewPathPiece(set.slots[0].label, kRadiusLineCorners, &set.arcRadiusLines);
    return IsValidArt(set.arcRadiusLines);
}

AIErr DisposeExtraArcs() {
    AIErr result = kNoErr;
    for (AIArtHandle arc : ArtSet().extraArcs) result = DisposeArt(arc);
    ArtSet().extraArcs.clear();
    return result;
}

AIErr CopyArcConcentrically(Point centre, float radius, int count, float spacing) {
    DimensionArtSet& set = ArtSet();
    if (radius <= 0 || !IsValidArt(set.angleArc)) return kNoErr;
    if (count > kMostConcentricArcs) count = kMostConcentricArcs;
    AIErr result = kNoErr;
    AIArtHandle previous = set.angleArc;
    for (int k = 1; k < count; ++k) {
        AIArtHandle copy = nullptr;
        result = sAIArt->DuplicateArt(set.angleArc, kPlaceBelow, previous, &copy);
        if (result != kNoErr || !copy) continue;
        set.extraArcs.push_back(copy);
        result = TagPiece(copy);
        const float factor = (static_cast<float>(k) * spacing + radius) / radius;
        const Matrix about =
            Then(Then(TranslationMatrix(-centre.h, -centre.v), ScaleMatrix(factor, factor)),
                 TranslationMatrix(centre.h, centre.v));
        result = TransformPiece(copy, about);
        previous = copy;
    }
    return result;
}

}  // namespace quill
