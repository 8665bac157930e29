#include "host/geometry/bezier.h"

#include <algorithm>
#include <cmath>

namespace host::geom {

namespace {

Vec Lerp(Vec a, Vec b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

double Speed(const Cubic& c, double t) {
    Vec d = Derivative(c, t);
    return std::hypot(d.x, d.y);
}

// 8-point Gauss-Legendre on [a, b].
double Gauss8(const Cubic& c, double a, double b) {
    static const double kX[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                 0.9602898564975363};
    static const double kW[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                 0.1012285362903763};
    double mid = 0.5 * (a + b), half = 0.5 * (b - a), sum = 0;
    for (int i = 0; i < 4; ++i)
        sum += kW[i] * (Speed(c, mid - half * kX[i]) + Speed(c, mid + half * kX[i]));
    return sum * half;
}

double Adaptive(const Cubic& c, double a, double b, double whole, int depth) {
    double m = 0.5 * (a + b);
    double left = Gauss8(c, a, m), right = Gauss8(c, m, b);
    if (depth >= 24 || std::fabs(left + right - whole) <= 1e-11 * std::max(1.0, whole))
        return left + right;
    return Adaptive(c, a, m, left, depth + 1) + Adaptive(c, m, b, right, depth + 1);
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

void Split(const Cubic& c, double t, Cubic* before, Cubic* after) {
    Vec ab = Lerp(c.p0, c.p1, t), bc = Lerp(c.p1, c.p2, t), cd = Lerp(c.p2, c.p3, t);
    Vec abc = Lerp(ab, bc, t), bcd = Lerp(bc, cd, t), mid = Lerp(abc, bcd, t);
    if (before) *before = {c.p0, ab, abc, mid};
    if (after) *after = {mid, bcd, cd, c.p3};
}

double LengthTo(const Cubic& c, double t) {
    if (t <= 0) return 0;
    t = std::min(t, 1.0);
    return Adaptive(c, 0, t, Gauss8(c, 0, t), 0);
}

double Length(const Cubic& c) { return LengthTo(c, 1); }

double TAtLength(const Cubic& c, double s, double total) {
    if (s <= 0) return 0;
    if (s >= total) return 1;
    double lo = 0, hi = 1, t = s / total;
    for (int i = 0; i < 60; ++i) {
        double f = LengthTo(c, t) - s;
        if (std::fabs(f) < 1e-10) break;
        if (f > 0) hi = t; else lo = t;
        double v = Speed(c, t);
        double next = v > 1e-12 ? t - f / v : 0.5 * (lo + hi);
        t = (next > lo && next < hi) ? next : 0.5 * (lo + hi);
    }
    return t;
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
