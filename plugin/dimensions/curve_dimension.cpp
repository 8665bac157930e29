#include "plugin/dimensions/curve_dimension.h"

#include <cmath>

#include "plugin/dimensions/arrowheads.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/extension_lines.h"
#include "plugin/dimensions/label_text.h"
#include "plugin/dimensions/offset_line.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/dimensions/segment_art_set.h"
#include "plugin/dimensions/segment_builds.h"
#include "plugin/dimensions/texts.h"
#include "plugin/geometry/affine.h"
#include "plugin/geometry/runs.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/units.h"

namespace quill {

namespace {

constexpr float kOffsetStep = 12;             // Shift moves the offset in steps of 12 points
constexpr float kRestartOffset = 2.8346457f;  // 1 mm, after an offset that was too large

AIErr PlaceCurveArrowheads(const std::vector<PathSegment>& line, ArrowDirection direction) {
    DimensionSlot& pieces = ArtSet().slots[0];
    AIErr result = kNoErr;
    if (!EnsureArrowheads(0, pieces.lineA, &result)) return result;
    // Inward, each arrowhead's body lies along the line from its end; outward it is
    // turned round to point at the end from outside.
    const float start = RunStartDirection(line), end = RunEndDirection(line);
    const float turn = direction == ArrowDirection::Outward ? kPi : 0;
    result = ShapeArrowhead(pieces.arrowhead[0], line.front().p, start + turn);
    result = ShapeArrowhead(pieces.arrowhead[1], line.back().p, end + turn);
    return result;
}

AIErr PlaceCurveExtensionLines(Point e0, Point e1, const std::vector<PathSegment>& line,
                               float offset, bool side) {
    AIErr result = kNoErr;
    if (!EnsureExtensionLines(0, &result)) return result;
    const SettingsRecord& s = Settings();
    const auto gap = static_cast<float>(s.extensionGap);
    const float reach = offset + ExtensionOvershoot();
    const Point ends[2] = {e0, e1};
    const Point targets[2] = {side ? line.back().p : line.front().p,
                              side ? line.front().p : line.back().p};
    for (int i = 0; i < 2; ++i) {
        const float phi = DirectionAngle(ends[i], targets[i]);
        result = SetStraightLine(PointAt(ends[i], gap, phi), PointAt(ends[i], reach, phi),
                                 ArtSet().slots[0].extension[i], LineRole::ExtensionLine);
    }
    return result;
}

BuildResult AbandonTooLargeOffset() {
    const AIErr result = DisposeArt(ArtSet().group);
    ArtSet() = DimensionArtSet{};
    ShowAlert(texts::kOffsetTooLarge.c_str());
    BuildResult abandoned{result, BuildOutcome::Abandoned};
    abandoned.lineOffset = kRestartOffset;
    return Reported(abandoned);
}

float MeasuredLength(const std::vector<PathSegment>& path) {
    float total = 0;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) total += HostBezierLength(RunBezier(path, i));
    return total;
}

}  // namespace

BuildResult StartCurveDimension(const CurveClick& click) {
    DimensionBuildState& state = BuildState();
    state.curvePoint = click.point;
    AIRealBezier bezier{};
    AIRealVector tangent{1, 0};
    if (sAIPath->GetPathBezier(click.path, click.segment, &bezier) == kNoErr)
        sAIRealBezier->Tangent(&bezier, click.t, &tangent);
    state.curveTangent = std::atan2(tangent.v, tangent.h);
    state.curveSide = false;
    const BuildResult made = CreateCurveArtSet();
    if (made.outcome == BuildOutcome::NothingBuilt) return Reported(made);
    return Reported(
        BuildCurveDimension(click.pointer, static_cast<float>(Settings().lineOffset), {}));
}

BuildResult DragCurveDimension(Point pointer, const DragKeys& keys) {
    DimensionBuildState& state = BuildState();
    const Point& at = state.curvePoint;
    const float distance = PointDistance(at, pointer);
    const float cross = std::cos(state.curveTangent) * (pointer.v - at.v) -
                        std::sin(state.curveTangent) * (pointer.h - at.h);
    state.curveSide = cross < 0;
    // The offset follows the pointer, unless the build gave the dimension up.
    BuildResult built = BuildCurveDimension(pointer, distance, keys);
    if (!built.lineOffset) built.lineOffset = distance;
    return Reported(built);
}

BuildResult BuildCurveDimension(Point pointer, float offset, const DragKeys& keys) {
    DimensionBuildState& state = BuildState();
    DimensionSlot& pieces = ArtSet().slots[0];
    AIArtHandle path = state.measuredPath;
    if (!IsValidArt(path) || !IsValidArt(pieces.lineA) || offset == 0) return Reported({});
    RefreshStrokeWidths();
    AIErr result = kNoErr;
    EnsureExtensionLines(0, &result);
    if (keys.escape) {
        result = PlaceLabel(pieces.label, pointer, 0);
        return Reported({PlaceToleranceTexts(0, kHorizontalType, 0)});
    }
    const bool sideAtStart = state.curveSide;
    bool side = state.curveSide;
    if (offset < 0) {
        offset = -offset;
        side = !side;
    }
    if (keys.shift) offset = std::ceil(offset / kOffsetStep) * kOffsetStep;

    const std::vector<PathSegment> measured = ReadAnchors(path);
    if (measured.size() < 2) return Reported({});
    int newPaths = 0;
    AIArtHandle outline = OutlineAround(path, ArtSet().group, offset, &newPaths);
    if (newPaths >= 2) return Reported(AbandonTooLargeOffset());
    if (!outline) return Reported({});
    const Point e0 = measured.front().p, e1 = measured.back().p;
    std::vector<PathSegment> line = LongSide(ReadAnchors(outline), e0, e1, offset, side);
    if (line.size() < 2) return Reported({DisposeArt(outline)});

    AIArtHandle newLine = nullptr;
    result = sAIArt->DuplicateArt(outline, kPlaceAbove, outline, &newLine);
    DisposeArt(outline);
    // Without its copy the old line stays, so that the next drag event tries again.
    if (result != kNoErr) return Reported({result});
    DisposeArt(pieces.lineA);
    pieces.lineA = newLine;
    result = PlaceCurveExtensionLines(e0, e1, line, offset, side);
    result = PlaceCurveArrowheads(line, keys.Arrows());
    if (keys.Arrows() == ArrowDirection::Inward) {
        const float inset = ScaledArrowInset();
        ShortenRun(&line, inset, RunEnd::Start);
        ShortenRun(&line, inset, RunEnd::End);
    }
    result = SetPathShape(newLine, line.data(), static_cast<std::int16_t>(line.size()), false);
    result = sAIPathStyle->SetPathStyle(newLine, &DimensionLineStyle());
    result = TagPiece(newLine);

    LabelText label;
    ComposeLengthText(MeasuredLength(measured), label);
    result = CreateLabelText(0, label.c_str());
    if (Settings().unit != kNoUnit) {
        const Point middle = RunMiddle(line);
        const auto lift = static_cast<float>(Settings().textOffset);
        result = PlaceLabel(pieces.label, {middle.h, middle.v + lift}, 0);
        result = PlaceToleranceTexts(0, kHorizontalType, 0);
    }
    state.curveSide = sideAtStart;
    return Reported({result});
}

}  // namespace quill
