// Areas of closed paths in square points: the polygon area of a path of straight
// segments (with its self-crossing test) and the summed area of a collection of paths.
#pragma once

#include <vector>

#include "plugin/geometry/services.h"

namespace quill {

/// What the polygon area of a path gives.
struct PolygonAreaResult {
    enum class Kind {
        None,     ///< open, curved, or with a control point off its anchor: no area
        Area,     ///< `area` holds the area
        Crossed,  ///< the polygon crosses itself ("Polygone croisé")
    };
    Kind kind = Kind::None;
    double area = 0;  ///< square points, always positive
};

/// The area of a closed path whose anchors all have both control points retracted,
/// whatever its orientation; a self-crossing polygon of more than three anchors is
/// reported as crossed. The caller formats the area (and does not ask with the Circle
/// tool).
PolygonAreaResult PolygonArea(const PathReader& path);

}  // namespace quill
