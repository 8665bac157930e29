// The circle dimension under construction: the measured circle, where its leader points
// and bends, and what it measures. Kept between the click that starts the dimension and
// the drag events that place it. Document points, y upwards; angles in radians.
#pragma once

#include <cmath>
#include <cstdint>

#include "plugin/geometry/arcs.h"
#include "sdk/types.h"

namespace quill {

struct CircleGeometry {
    Point centre;      // O, the measured circle's centre
    float radius = 0;  // R
    /// φ: the direction from O towards the pointer, where the leader leaves the circle.
    float leaderAngle = 0;
    /// b: the distance from O to the leader's bend as last built; it outlives the
    /// dimension, so that the next one bends where this one did.
    float bendDistance = 0;
    AIArtHandle measuredPath = nullptr;
    std::int16_t anchors[2] = {-1, -1};  // the measured arc's two anchors
    bool underConstruction = false;
};

/// Whether a circle can carry a dimension: a finite centre and a finite radius above 0
/// (two anchors whose tangent runs along their chord give none).
inline bool IsDimensionableCircle(const Circle& circle) {
    return std::isfinite(circle.centre.h) && std::isfinite(circle.centre.v) &&
           std::isfinite(circle.radius) && circle.radius > 0;
}

}  // namespace quill
