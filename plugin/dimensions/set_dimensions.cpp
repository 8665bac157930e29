#include "plugin/dimensions/set_dimensions.h"

#include <cmath>
#include <utility>

#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/label_text.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/dimensions/segment_builds.h"
#include "plugin/dimensions/segment_dimension.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_steps.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/label.h"

namespace quill {

namespace {

// Between the end of an ordinate's leader and its label, points.
constexpr float kLabelClearance = 2;

// The coordinate, signed: the label of a point before the zero starts with "-".
void ComposeCoordinate(float coordinate, LabelText& label) {
    LabelText magnitude;
    ComposeLengthText(std::fabs(coordinate), magnitude);
    label.Clear();
    if (coordinate < 0) label.Append('-');
    label.Append(magnitude.c_str());
}

// The pieces an ordinate has no use for.
AIErr DisposeLinearPieces(DimensionSlot& pieces) {
    HostSteps steps;
    for (AIArtHandle* piece : {&pieces.lineB, &pieces.extension[0], &pieces.extension[1],
                               &pieces.arrowhead[0], &pieces.arrowhead[1]}) {
        steps << DisposeArt(*piece);
        *piece = nullptr;
    }
    return steps.Last();
}

// A leader from the point, "Gap" off it, to the common line, and beyond its end the
// coordinate, reading along the leader unless labels stay horizontal.
BuildResult BuildOrdinate(const SetLine& line) {
    DimensionBuildState& state = BuildState();
    DimensionSlot& pieces = ArtSet().slots[0];
    const bool alongX = line.kind == SetLineKind::OrdinateX;
    const Point zero = state.first, point = state.second;
    const float from = alongX ? point.v : point.h;
    const float towards = line.place >= from ? 1.0f : -1.0f;
    const float start = from + towards * static_cast<float>(Settings().extensionGap);
    const Point a = alongX ? Point{point.h, start} : Point{start, point.v};
    const Point b = alongX ? Point{point.h, line.place} : Point{line.place, point.v};
    HostSteps steps;
    steps << DisposeLinearPieces(pieces);
    steps << SetStraightLine(a, b, pieces.lineA, LineRole::DimensionLine);
    LabelText label;
    ComposeCoordinate(alongX ? point.h - zero.h : point.v - zero.v, label);
    steps << CreateLabelText(0, label.c_str());
    const float rotation = alongX && !Settings().horizontalText ? kHalfPi : 0;
    float width = 0, height = 0;
    if (IsValidArt(pieces.label) && MeasureLabel(pieces.label, &width, &height) == kNoErr) {
        const float extent = (alongX && rotation == 0 ? height : width) / 2 + kLabelClearance;
        const Point centre =
            alongX ? Point{b.h, b.v + towards * extent} : Point{b.h + towards * extent, b.v};
        steps << PlaceLabel(pieces.label, centre, rotation);
    }
    state.lineStart = a;
    state.lineEnd = b;
    state.textRotation = rotation;
    steps << PlaceToleranceTexts(0, alongX ? kVerticalType : kHorizontalType, rotation);
    return BuildResult(steps.Last());
}

}  // namespace

BuildResult BuildOnSetLine(const SetLine& line, const DragKeys& keys, Point pointer) {
    RefreshStrokeWidths();
    if (IsOrdinate(line.kind)) return Reported(BuildOrdinate(line));
    if (line.kind != SetLineKind::Oblique)
        return BuildAxisFromState(line.kind == SetLineKind::Vertical, line.place, keys, pointer);
    DragKeys alongItsPoints = keys;
    alongItsPoints.alt = false;  // the set's line keeps the direction of its points
    return Reported(BuildObliqueDimension(alongItsPoints, pointer, BuildPhase::WhileDragging));
}

float BuiltPlace(SetLineKind kind, double lineOffset) {
    const DimensionBuildState& state = BuildState();
    switch (kind) {
        case SetLineKind::Oblique:
            return static_cast<float>(lineOffset);
        case SetLineKind::Horizontal:
            return state.lineStart.v;
        case SetLineKind::OrdinateX:
            return state.lineEnd.v;
        case SetLineKind::Vertical:
            return state.lineStart.h;
        case SetLineKind::OrdinateY:
            break;
    }
    return state.lineEnd.h;
}

}  // namespace quill
