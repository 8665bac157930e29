// The geometry of the dimension under construction, kept between the click that starts
// it and the mouse-up that leaves it in place: what the builders read and lay out. The
// tool that measures fills the measured points; the builders add the rest. Document
// points, y upwards; angles in radians.
#pragma once

#include <cstdint>
#include <optional>

#include "plugin/dimensions/circle_geometry.h"
#include "plugin/geometry/types.h"
#include "plugin/geometry/vectors.h"
#include "sdk/types.h"

namespace quill {

struct DimensionBuildState {
    Point first, second;       // the measured points
    float direction = 0;       // from the first point to the second
    float textRotation = 0;    // the rotation the label was last given
    Point lineStart, lineEnd;  // the dimension line's ends after the offset
    // Where the pointer stood when the horizontal or vertical line of each slot was last
    // placed (its y or its x is the line's level); Escape keeps the line there. Unset until
    // the slot's line is first placed.
    std::optional<Point> linePlace[2];
    AIArtHandle measuredPath = nullptr;  // the clicked path (both-ways type, curve, arc)
    std::int16_t measuredSegment = -1;   // the clicked segment's start anchor (curve, arc)
    CircleGeometry circle;               // a circle dimension
    // An arc segment: centre, radius, signed sweep from A1 to A2 (the first and second
    // points).
    Point arcCentre;
    float arcRadius = 0;
    float arcSweep = 0;
    // A curve: the clicked point, the tangent direction there, the side flag of the
    // offset line.
    Point curvePoint;
    float curveTangent = 0;
    bool curveSide = false;

    /// A measurement from `from` to `to`, the second clicked on `path`: its direction
    /// follows, and the label starts unrotated.
    void MeasureBetween(Point from, Point to, AIArtHandle path) {
        first = from;
        second = to;
        measuredPath = path;
        direction = DirectionAngle(from, to);
        textRotation = 0;
    }
};

/// Part of the plug-in object's state record bound to the message being handled
/// (frame/quill_state.h).
DimensionBuildState& BuildState();

}  // namespace quill
