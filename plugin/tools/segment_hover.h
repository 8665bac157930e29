// What lies under the pointer for the Segment, Lengths & Areas and Parameters tools,
// found at every cursor-tracking event and read by the next click and the feedback.
#pragma once

#include <cstdint>

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

enum class SegmentHitKind {
    None,
    Anchor,           // an anchor point of a path
    Snapped,          // another point the host snaps to (an object's centre)
    Crossing,         // where a segment of a path crosses a segment of another path
    StraightSegment,  // a straight segment of a plain path
    Arc,              // a segment that is a circular arc
    Curve,            // any other curved segment
    DimensionLine,    // a straight piece of an existing dimension ("mods", "moda", "modc")
    DimensionArc,     // a curved piece of an existing dimension that is a circular arc
};

struct SegmentHover {
    SegmentHitKind kind = SegmentHitKind::None;
    AIArtHandle path = nullptr;
    std::int16_t anchor = -1;        // Anchor
    std::int16_t segmentStart = -1;  // segments: the anchors at both ends
    std::int16_t segmentEnd = -1;
    std::int16_t segment = -1;  // the host's index of the segment hit (its end anchor)
    float t = 0;                // the hit's parameter on that segment
    Point point;                // the anchor, snapped or crossing point, or the hit point
    Point segmentPoints[2];     // StraightSegment: the segment's two anchors
    Point centre;               // Arc: the circle found
    float radius = 0;
    Point pointer;  // where the pointer was
};

SegmentHover& Hover();

}  // namespace quill
