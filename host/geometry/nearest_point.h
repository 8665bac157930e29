// The point of a cubic Bézier nearest to a given point, and where two cubics cross; in
// document points, double precision.
#pragma once

#include <optional>
#include <vector>

#include "host/geometry/bezier.h"

namespace host::geom {

struct NearestPoint {
    double t = 0;         ///< curve parameter, 0 … 1
    Vec point;            ///< the curve's point at t
    double distance = 0;  ///< from the given point, in points
};

/// The curve's point nearest to p, when it lies within `within` points (inclusive);
/// found by subdividing the curve, pruning pieces whose bounds lie farther than the best
/// point so far, to 1e-6 point.
std::optional<NearestPoint> Nearest(const Cubic& c, Vec p, double within);

/// Where the two curves cross or touch: pairs of parameters (on a, on b), to 1e-9 of the
/// parameter range. Overlapping stretches give up to `limit` points along them.
std::vector<std::pair<double, double>> Intersections(const Cubic& a, const Cubic& b,
                                                     std::size_t limit = 16);

/// The bounds of the four control points: {left, bottom, right, top}.
struct Bounds {
    double left, bottom, right, top;
};

/// The crossings of `Intersections` that can lie within `reach` points of `centre`:
/// pieces whose control points all lie farther are dropped before they are halved, so
/// that only the stretches near the centre are searched.
std::vector<std::pair<double, double>> IntersectionsNear(const Cubic& a, const Cubic& b, Vec centre,
                                                         double reach, std::size_t limit = 16);
Bounds ControlBounds(const Cubic& c);

}  // namespace host::geom
