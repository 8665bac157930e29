// The radius or diameter of a circle or of a circular arc of a path: a leader from the
// circle to a short horizontal landing that carries the label, and inside the circle a
// radius (or diameter) line with its arrowheads. It follows the pointer while dragged.
#pragma once

#include <cstdint>

#include "plugin/dimensions/build_outcome.h"
#include "plugin/dimensions/drag_keys.h"
#include "plugin/geometry/arcs.h"
#include "sdk/types.h"

namespace quill {

/// What a circle dimension measures: the circle, and the path and the two anchors of
/// the arc it was found on.
struct MeasuredCircle {
    Circle circle;
    AIArtHandle path = nullptr;
    std::int16_t anchors[2] = {-1, -1};
};

/// How the dimension was started, which decides where its leader starts.
enum class CircleStartedFrom {
    ArcClick,    // the leader at π/4; the bend at 32 points when none was remembered
    TwoAnchors,  // the leader at π/4
    Link,        // a rebuild: the leader keeps its direction and its bend
};

/// Takes the measured circle into the build state and creates the pieces in the current
/// group (`CreateCircleArtSet`). Nothing is built when the group is gone.
BuildResult StartCircleDimension(const MeasuredCircle& measured, CircleStartedFrom start);

/// A drag event: the leader points from the centre to the pointer (Shift: in steps of
/// π/4, rounded up); with Alt the bend stays at its remembered distance and the other of
/// radius and diameter is shown. Then `BuildCircleDimension`.
BuildResult DragCircleDimension(Point pointer, const DragKeys& keys);

/// Reshapes the dimension under construction for the pointer (document points): radius
/// line, arrowheads, leader and label. Ctrl turns the arrowheads the other way, Alt shows
/// the other of radius and diameter, Escape moves only the label, to the pointer.
/// Nothing is built unless a circle dimension is under construction and its leader
/// exists.
BuildResult BuildCircleDimension(Point pointer, const DragKeys& keys);

/// Arrowhead 1 at `onCircle` (the leader's point on the circle, in the direction
/// `leaderAngle` from the centre): pointing out of the circle at the end of the radius
/// line, or pointing in at the end of the leader without one; Ctrl swaps them. Arrowhead
/// 2 at `opposite`, filled and closed whatever the shape, only for a diameter drawn with
/// its line. With "Zoom" 0 there are none.
AIErr PlaceCircleArrowheads(Point onCircle, Point opposite, float leaderAngle,
                            const DragKeys& keys);

}  // namespace quill
