#include "host/geometry/bezier.h"

#include <algorithm>
#include <cmath>

namespace host::geom {

namespace {

Vec Lerp(Vec a, Vec b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

}  // namespace

Cubic FromBezier(const AIRealBezier& b) {
    return {{b.p0.h, b.p0.v}, {b.p1.h, b.p1.v}, {b.p2.h, b.p2.v}, {b.p3.h, b.p3.v}};
}

AIRealBezier ToBezier(const Cubic& c) {
    auto p = [](Vec v) { return AIRealPoint{static_cast<float>(v.x), static_cast<float>(v.y)}; };
    return {p(c.p0), p(c.p1), p(c.p2), p(c.p3)};
}

Vec Evaluate(const Cubic& c, double t) {
    double u = 1 - t;
    double a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
    return {a * c.p0.x + b * c.p1.x + d * c.p2.x + e * c.p3.x,
            a * c.p0.y + b * c.p1.y + d * c.p2.y + e * c.p3.y};
}

Vec Derivative(const Cubic& c, double t) {
    double u = 1 - t;
    double a = 3 * u * u, b = 6 * u * t, d = 3 * t * t;
    return {a * (c.p1.x - c.p0.x) + b * (c.p2.x - c.p1.x) + d * (c.p3.x - c.p2.x),
            a * (c.p1.y - c.p0.y) + b * (c.p2.y - c.p1.y) + d * (c.p3.y - c.p2.y)};
}

Vec TangentVector(const Cubic& c, double t) {
    const Vec first = Derivative(c, t);
    if (first.x != 0 || first.y != 0) return first;
    // Second derivative: 6[(1 − t)(p2 − 2p1 + p0) + t(p3 − 2p2 + p1)].
    const double u = 1 - t;
    const Vec second{u * (c.p2.x - 2 * c.p1.x + c.p0.x) + t * (c.p3.x - 2 * c.p2.x + c.p1.x),
                     u * (c.p2.y - 2 * c.p1.y + c.p0.y) + t * (c.p3.y - 2 * c.p2.y + c.p1.y)};
    // At the start the curve leaves along +second, at the end it arrives along −second.
    const double sign = t >= 0.5 ? -1 : 1;
    if (second.x != 0 || second.y != 0) return {sign * second.x, sign * second.y};
    return {c.p3.x - c.p0.x + 3 * (c.p1.x - c.p2.x), c.p3.y - c.p0.y + 3 * (c.p1.y - c.p2.y)};
}

void Split(const Cubic& c, double t, Cubic* before, Cubic* after) {
    Vec ab = Lerp(c.p0, c.p1, t), bc = Lerp(c.p1, c.p2, t), cd = Lerp(c.p2, c.p3, t);
    Vec abc = Lerp(ab, bc, t), bcd = Lerp(bc, cd, t), mid = Lerp(abc, bcd, t);
    if (before) *before = {c.p0, ab, abc, mid};
    if (after) *after = {mid, bcd, cd, c.p3};
}

Cubic SegmentCubic(const std::vector<AIPathSegment>& s, int i) {
    const auto n = static_cast<int>(s.size());
    const AIPathSegment& a = s[static_cast<std::size_t>(i)];
    const AIPathSegment& b = s[static_cast<std::size_t>((i + 1) % n)];
    return {{a.p.h, a.p.v}, {a.out.h, a.out.v}, {b.in.h, b.in.v}, {b.p.h, b.p.v}};
}

int SegmentCount(const std::vector<AIPathSegment>& segments, bool closed) {
    auto n = static_cast<int>(segments.size());
    if (n < 2) return 0;
    return closed ? n : n - 1;
}

double SignedArea(const std::vector<AIPathSegment>& segments) {
    // Green's theorem: area = 1/2 ∮ (x dy - y dx), exact for each cubic in closed form.
    double area = 0;
    const auto n = static_cast<int>(segments.size());
    for (int i = 0; i < n && n > 1; ++i) {
        Cubic c = SegmentCubic(segments, i);
        const Vec &p0 = c.p0, &p1 = c.p1, &p2 = c.p2, &p3 = c.p3;
        area += (p0.x * (6 * p1.y + 3 * p2.y + p3.y) + p1.x * (-6 * p0.y + 3 * p2.y + 3 * p3.y) +
                 p2.x * (-3 * p0.y - 3 * p1.y + 6 * p3.y) + p3.x * (-p0.y - 3 * p1.y - 6 * p2.y)) /
                20.0;
    }
    return area;
}

}  // namespace host::geom
