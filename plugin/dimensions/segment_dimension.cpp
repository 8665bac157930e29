#include "plugin/dimensions/segment_dimension.h"

#include <cmath>
#include <utility>

#include "plugin/dimensions/arc_dimension.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/curve_dimension.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/segment_art_set.h"
#include "plugin/dimensions/segment_builds.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

enum class Kind { Oblique, Horizontal, Vertical };

// The Shift keys change the kind of dimension for one drag event.
Kind KindForEvent(std::int32_t type, const DragKeys& keys) {
    if (keys.leftShift) return type == kHorizontalType ? Kind::Vertical : Kind::Horizontal;
    if (keys.rightShift) return type == kVerticalType ? Kind::Horizontal : Kind::Vertical;
    if (type == kHorizontalType) return Kind::Horizontal;
    if (type == kVerticalType) return Kind::Vertical;
    return Kind::Oblique;
}

// The object a both-ways dimension measures: the clicked path, or its group on request.
AIArtHandle MeasuredObject() {
    AIArtHandle object = BuildState().measuredPath;
    if (!Settings().measureGroup || !IsValidArt(object)) return object;
    AIArtHandle parent = nullptr;
    AIBoolean layerGroup = true;
    if (sAIArt->GetArtParent(object, &parent) == kNoErr && parent &&
        sAIArt->IsArtLayerGroup(parent, &layerGroup) == kNoErr && !layerGroup)
        return parent;
    return object;
}

// Where the line of a both-ways slot goes: at the pointer, or under Escape where it was
// last placed, so that only a label moves.
Point LinePlace(int slot, Point pointer, const DragKeys& keys) {
    const std::optional<Point>& placed = BuildState().linePlace[slot];
    return keys.escape && placed ? *placed : pointer;
}

// The horizontal part over the object's bounds in slot 0, the vertical part in slot 1.
// Under Escape both lines stay and the label of the line nearer the pointer moves to it.
BuildResult DragBothWays(Point pointer, const DragKeys& keys) {
    AIArtHandle object = MeasuredObject();
    AIRealRect bounds{};
    if (!IsValidArt(object) || sAIArt->GetArtBounds(object, &bounds) != kNoErr) return Reported({});
    if (!IsValidArt(ArtSet().slots[1].lineA) &&
        CreateSegmentArtSet(1, Association::NotAssociative).outcome != BuildOutcome::Built)
        return Reported({});
    const Point horizontalPlace = LinePlace(0, pointer, keys);
    const Point verticalPlace = LinePlace(1, pointer, keys);
    const bool horizontalLabelMoves =
        std::fabs(pointer.v - horizontalPlace.v) <= std::fabs(pointer.h - verticalPlace.h);
    DragKeys honoured;
    honoured.control = keys.control;

    AxisDimension horizontal;
    const float edgeY = horizontalPlace.v > bounds.top ? bounds.top : bounds.bottom;
    horizontal.first = {bounds.left, edgeY};
    horizontal.second = {bounds.right, edgeY};
    horizontal.level = horizontalPlace.v;
    BuildState().first = horizontal.first;
    BuildState().second = horizontal.second;
    honoured.escape = keys.escape && horizontalLabelMoves;
    // The horizontal part's code and offset give way to the vertical part's.
    BuildAxisDimension(horizontal, honoured, pointer);

    AxisDimension vertical;
    const float edgeX = verticalPlace.h > bounds.left ? bounds.right : bounds.left;
    vertical.slot = 1;
    vertical.first = {edgeX, bounds.bottom};
    vertical.second = {edgeX, bounds.top};
    vertical.level = verticalPlace.h;
    vertical.vertical = true;
    vertical.textOffsetDirection = 0;
    vertical.textRotation = Settings().horizontalText ? 0 : kHalfPi;
    honoured.escape = keys.escape && !horizontalLabelMoves;
    return Reported(BuildAxisDimension(vertical, honoured, pointer));
}

}  // namespace

BuildResult BuildAxisFromState(bool vertical, float level, const DragKeys& keys, Point pointer) {
    DimensionBuildState& state = BuildState();
    const float along = vertical ? state.second.v - state.first.v : state.second.h - state.first.h;
    if (along < 0) {
        std::swap(state.first, state.second);
        state.direction += kPi;
    }
    AxisDimension d;
    d.first = state.first;
    d.second = state.second;
    d.level = level;
    d.vertical = vertical;
    d.textOffsetDirection = kHalfPi;
    d.textRotation = vertical && !Settings().horizontalText ? kHalfPi : 0;
    return Reported(BuildAxisDimension(d, keys, pointer));
}

BuildResult BuildSegmentDimension(Point clickPointer) {
    RefreshStrokeWidths();
    const DragKeys none;
    switch (Settings().dimensionType) {
        case kObliqueType:
            return Reported(BuildObliqueDimension(none, clickPointer, BuildPhase::AtClick));
        case kHorizontalType:
            return Reported(BuildAxisFromState(false, clickPointer.v, none, clickPointer));
        case kVerticalType:
            return Reported(BuildAxisFromState(true, clickPointer.h, none, clickPointer));
        default:
            return Reported({});
    }
}

BuildResult DragSegmentDimension(SegmentMeasure measure, Point pointer, const DragKeys& keys) {
    const std::int32_t type = Settings().dimensionType;
    if (type == kBothWaysType) return Reported(DragBothWays(pointer, keys));
    if (measure == SegmentMeasure::Arc)
        return Reported(BuildArcDimension(keys, pointer, BuildPhase::WhileDragging));
    if (measure == SegmentMeasure::Curve) return Reported(DragCurveDimension(pointer, keys));
    switch (KindForEvent(type, keys)) {
        case Kind::Horizontal:
            return Reported(BuildAxisFromState(false, pointer.v, keys, pointer));
        case Kind::Vertical:
            return Reported(BuildAxisFromState(true, pointer.h, keys, pointer));
        default:
            return Reported(BuildObliqueDimension(keys, pointer, BuildPhase::WhileDragging));
    }
}

}  // namespace quill
