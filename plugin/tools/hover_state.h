// What lies under the pointer, rewritten at every cursor-tracking event by the current
// tool's classification and read by the next click, the cursor and the feedback. Points
// in document points, y upwards; anchor indices are the host's 16-bit counts.
#pragma once

#include <cstdint>

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

enum class HoverKind {
    None,
    AnchorHit,            ///< an anchor point of a path
    StraightSegmentHit,   ///< a straight segment
    CurveHit,             ///< a curved segment that is not a circular arc
    ArcHit,               ///< a circular arc
    CrossingHit,          ///< a segment crossing a segment of another path
    DimensionSegmentHit,  ///< a straight piece of an existing dimension
    DimensionArcHit,      ///< an arc of an existing dimension
    SnappedPointHit,      ///< Segment tool: another point the host snaps to (an object's centre)
};

struct HoverState {
    HoverKind kind = HoverKind::None;
    AIArtHandle path = nullptr;
    std::int16_t anchor = 0;              ///< AnchorHit: the anchor
    bool notVertex = false;               ///< AnchorHit: the anchor is not the vertex of an angle
    std::int16_t previous = 0, next = 0;  ///< AnchorHit: its neighbours
    std::int16_t segmentStart = 0, segmentEnd = 0;  ///< the anchors of the segment hit
    Point segmentPoints[2];  ///< StraightSegmentHit: the segment's two anchors
    Point hoverPoint;        ///< the point the click will use
    Point centre;            ///< ArcHit: the centre found by the arc test
    float radius = 0;        ///< ArcHit: the radius found by the arc test
    float t = 0;             ///< segment hits: the host's parameter of the hit on the segment
    Point pointer;           ///< where the pointer was
    /// CurveHit (and AnchorHit of the Lengths & Areas tool): the hovered path's length
    /// (between its ends, or all round when closed),
    /// measured once per tracking event for the feedback.
    float pathLength = 0;
};

/// Whether the kind is one of the segment kinds (straight, curve, arc, dimension line or arc).
bool IsSegmentKind(HoverKind kind);

/// A segment, a curve or an arc of a path: what the Lengths & Areas tool collects.
bool IsPathKind(HoverKind kind);

/// A point the Segment tool measures from: an anchor, a snapped point or a crossing.
bool IsPointKind(HoverKind kind);

/// The classification of the last cursor-tracking event, in the plug-in object's state
/// record (frame/quill_state.h).
HoverState& CurrentHover();

}  // namespace quill
