#include <cmath>

#include "plugin/associative/links.h"
#include "plugin/associative/rebuild.h"
#include "plugin/dimensions/arc_dimension.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/curve_dimension.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/segment_art_set.h"
#include "plugin/dimensions/segment_dimension.h"
#include "plugin/dimensions/texts.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/tool_state.h"

namespace quill {

namespace {

constexpr int kBothWays = 3;

bool BothWays() {
    return Settings().dimensionType == kBothWays;
}

float DirectionBetween(Point a, Point b) {
    return std::atan2(b.v - a.v, b.h - a.h);
}

bool PathClosed(AIArtHandle path) {
    AIBoolean closed = false;
    return sAIPath->GetPathClosed(path, &closed) == kNoErr && closed;
}

// The dimension now follows the pointer; its group takes the name of its kind.
AIErr StartDrag(AIErr result) {
    Tools().dragActive = true;
    NameDimensionGroup();
    return result;
}

AIErr FirstPoint(Point point, bool snapped, bool free, AIArtHandle path, std::int16_t anchor) {
    AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    DimensionBuildState& state = BuildState();
    state.first = point;
    state.firstSnapped = snapped;
    state.lastClickFree = free;
    state.firstPath = path;
    state.firstAnchor = anchor;
    result = CreateSegmentArtSet(0, !snapped && !BothWays());
    if (path) result = LinkFirstPoint(path, anchor);
    state.onlyFirstPoint = true;
    Tools().clickCount = 1;
    return result;
}

AIErr SecondPoint(Point point, bool snapped, bool free, AIArtHandle path, std::int16_t anchor) {
    DimensionBuildState& state = BuildState();
    state.second = point;
    state.lastClickFree = free;
    state.onlyFirstPoint = false;
    Tools().clickCount = 2;
    AIErr result = kNoErr;
    if (snapped && !state.firstSnapped) MakeSegmentDimensionNonAssociative();
    if (path && !snapped && !state.firstSnapped) result = LinkSecondPoint(path, anchor);
    state.direction = DirectionBetween(state.first, state.second);
    state.textRotation = 0;
    if (!BothWays()) result = BuildSegmentDimension();
    return StartDrag(result);
}

// An anchor point (linked), a snapped point or a crossing.
AIErr ClickOnPoint(const HoverState& hover) {
    const bool snapped = hover.kind == HoverKind::SnappedPointHit;
    AIArtHandle path = hover.kind == HoverKind::AnchorHit ? hover.path : nullptr;
    if (Tools().clickCount == 0)
        return FirstPoint(hover.hoverPoint, snapped, false, path, hover.anchor);
    BuildState().measuredPath = hover.path;  // what a both-ways dimension measures
    return SecondPoint(hover.hoverPoint, snapped, false, path, hover.anchor);
}

AIErr ClickOnNothing(Point pointer) {
    const DimensionBuildState& state = BuildState();
    if (Tools().clickCount == 1 && !state.lastClickFree) {
        ShowAlert(texts::kSecondPointNeeded.c_str());
        return kNoErr;
    }
    if (BothWays()) {
        ShowAlert(texts::kClickAnObject.c_str());
        return kNoErr;
    }
    if (Tools().clickCount == 0) return FirstPoint(pointer, false, true, nullptr, -1);
    return SecondPoint(pointer, false, true, nullptr, -1);
}

AIErr ClickOnStraightSegment(const HoverState& hover) {
    AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    Tools().clickCount = 0;  // a whole measurement: a pending first point is dropped
    DimensionBuildState& state = BuildState();
    result = CreateSegmentArtSet(0, !BothWays());
    state.first = hover.segmentPoints[0];
    state.second = hover.segmentPoints[1];
    state.measuredPath = hover.path;
    state.direction = DirectionBetween(state.first, state.second);
    state.textRotation = 0;
    Tools().straightSegmentClick = true;
    if (!BothWays()) {
        result = LinkSegment(hover.path, hover.segmentStart, hover.segmentEnd);
        result = BuildSegmentDimension();
    }
    return StartDrag(result);
}

// An arc or a curve of an open path is measured whole; a closed path is refused.
bool RefuseClosedPath(AIArtHandle path) {
    if (BothWays() || !PathClosed(path)) return false;
    DisposeArt(ArtSet().group);
    ArtSet().group = nullptr;
    ShowAlert(texts::kPathMustBeOpen.c_str());
    return true;
}

// A whole curved segment: the curve-following dimension, or the arc-length one.
AIErr ClickOnCurvedSegment(const HoverState& hover, bool arc) {
    AIErr result = PrepareDimensionGroup();
    if (result != kNoErr || RefuseClosedPath(hover.path)) return result;
    Tools().clickCount = 0;  // a whole measurement: a pending first point is dropped
    (arc ? Tools().arcMeasured : Tools().curveMeasured) = true;
    DimensionBuildState& state = BuildState();
    state.measuredPath = hover.path;
    state.measuredSegment = hover.segmentStart;
    if (BothWays()) return StartDrag(CreateSegmentArtSet(0, false));
    return StartDrag(arc ? StartArcDimension(hover) : StartCurveDimension(hover));
}

}  // namespace

AIErr SegmentClick(const AIToolHitData& hit, bool shift, bool alt, Point pointer) {
    // A click on another kind of dimension belongs to its own tool, which arrives with
    // the angle and circle dimensions.
    if (hit.hit && (HasTag(hit.art, tags::kAngleMarker) || HasTag(hit.art, tags::kCircleMarker)))
        return kNoErr;
    const HoverState& hover = CurrentHover();
    if (hover.kind == HoverKind::DimensionSegmentHit) return RebuildSegmentDimension(hover.path);
    if (shift && alt) return NameDimensionGroup();
    switch (hover.kind) {
        case HoverKind::AnchorHit:
        case HoverKind::SnappedPointHit:
        case HoverKind::CrossingHit:
            return ClickOnPoint(hover);
        case HoverKind::None:
            return ClickOnNothing(pointer);
        case HoverKind::StraightSegmentHit:
            return ClickOnStraightSegment(hover);
        case HoverKind::CurveHit:
            return ClickOnCurvedSegment(hover, false);
        case HoverKind::ArcHit:
            return ClickOnCurvedSegment(hover, true);
        default:
            return kNoErr;
    }
}

}  // namespace quill
