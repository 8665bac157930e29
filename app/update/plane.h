// Points and vectors of the plane in double precision for the update's placement
// arithmetic: document points, y upwards, angles in radians counter-clockwise from +x.
#pragma once

#include <cmath>

#include "sdk/sdk.h"

namespace quill::update {

struct Vec {
    double x = 0, y = 0;
};

inline Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(double k, Vec a) {
    return {k * a.x, k * a.y};
}
inline double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}
inline double Cross(Vec a, Vec b) {
    return a.x * b.y - a.y * b.x;
}
inline double Length(Vec a) {
    return std::hypot(a.x, a.y);
}
/// The vector turned a quarter turn counter-clockwise.
inline Vec Perpendicular(Vec a) {
    return {-a.y, a.x};
}
/// The unit vector of `a`; the zero vector stays zero.
inline Vec Unit(Vec a) {
    const double n = Length(a);
    return n > 0 ? (1 / n) * a : Vec{};
}
inline Vec Rotated(Vec a, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {c * a.x - s * a.y, s * a.x + c * a.y};
}
/// The angle of `a`, in (-pi, pi].
inline double Direction(Vec a) {
    return std::atan2(a.y, a.x);
}
inline Vec FromHost(AIRealPoint p) {
    return {p.h, p.v};
}
inline AIRealPoint ToHost(Vec a) {
    return {static_cast<AIReal>(a.x), static_cast<AIReal>(a.y)};
}

/// The foot of `p` on the line through `a` and `b` (`a` itself when they coincide).
inline Vec FootOnLine(Vec p, Vec a, Vec b) {
    const Vec d = b - a;
    const double n = Dot(d, d);
    return n > 0 ? a + (Dot(p - a, d) / n) * d : a;
}

/// The centre of the circle tangent at anchor `a` to the direction of its handle and
/// passing through `b`: where the normal at `a` meets the chord's perpendicular bisector.
/// False when they do not meet (a straight segment).
inline bool CentreFromTangentAndChord(Vec a, Vec handle, Vec b, Vec* centre) {
    const Vec normal = Perpendicular(handle - a);
    const Vec middle = 0.5 * (a + b);
    const Vec bisector = Perpendicular(b - a);
    const double denominator = Cross(normal, bisector);
    if (!(std::fabs(denominator) > 1e-12)) return false;
    const double s = Cross(middle - a, bisector) / denominator;
    *centre = a + s * normal;
    return std::isfinite(centre->x) && std::isfinite(centre->y);
}

}  // namespace quill::update
