// Cubic Bézier curves in double precision: evaluation, splitting, arc length, the
// parameter at a length, and the area of a path of them.
#pragma once

#include <vector>

#include "sdk/types.h"

namespace host::geom {

struct Vec {
    double x = 0, y = 0;
};

struct Cubic {
    Vec p0, p1, p2, p3;
};

Cubic FromBezier(const AIRealBezier& b);
AIRealBezier ToBezier(const Cubic& c);

Vec Evaluate(const Cubic& c, double t);
/// The derivative vector dB/dt.
Vec Derivative(const Cubic& c, double t);
/// The part of the curve before t and the part after.
void Split(const Cubic& c, double t, Cubic* before, Cubic* after);

/// A vector along the curve's direction of travel at t: the derivative, or where it
/// vanishes (a retracted control point at an end, a cusp) the first higher derivative
/// that does not. Zero only for a curve that is a single point.
Vec TangentVector(const Cubic& c, double t);

/// Arc length of the whole curve in points, within about 1e-8 of the exact value
/// (bezier_length.h tells how).
double Length(const Cubic& c);
/// Arc length from t = 0 to t.
double LengthTo(const Cubic& c, double t);
/// The parameter where the length from t = 0 reaches s: 0 for s ≤ 0, 1 for s at or past
/// the curve's length.
double TAtLength(const Cubic& c, double s);

/// The Bézier of segment i of a path: anchor i to anchor i+1, or for i = n-1 of a
/// closed path the closing segment from anchor n-1 to anchor 0.
Cubic SegmentCubic(const std::vector<AIPathSegment>& segments, int i);
/// The number of segments of a path: n-1 when open, n when closed.
int SegmentCount(const std::vector<AIPathSegment>& segments, bool closed);

/// Signed area enclosed by the path taken as closed, exact for cubic segments;
/// counter-clockwise positive (y upwards).
double SignedArea(const std::vector<AIPathSegment>& segments);

}  // namespace host::geom
