#include "plugin/geometry/vectors.h"

#include <cmath>

namespace quill {

float Dot(Point u, Point v) {
    return u.h * v.h + u.v * v.v;
}

float Cross(Point a, Point b, Point c, Point d) {
    return (b.h - a.h) * (d.v - c.v) - (b.v - a.v) * (d.h - c.h);
}

bool Collinear(Point a, Point b, Point c) {
    return Cross(a, b, c, b) == 0.0f;
}

Point ProjectOnLine(Point p, Point a, Point b) {
    const Point d = b - a;
    const float u = Dot(p - a, d) / Dot(d, d);
    return a + u * d;
}

Point LineIntersection(Point a, Point b, Point c, Point d) {
    const bool firstVertical = a.h == b.h;
    const bool secondVertical = c.h == d.h;
    const float m1 = (b.v - a.v) / (b.h - a.h);
    const float m2 = (d.v - c.v) / (d.h - c.h);
    const float c1 = a.v - m1 * a.h;
    const float c2 = c.v - m2 * c.h;
    if (!firstVertical && !secondVertical)
        return {(c2 - c1) / (m1 - m2), (m1 * c2 - c1 * m2) / (m1 - m2)};
    if (firstVertical) return {a.h, m2 * a.h + c2};
    return {c.h, m1 * c.h + c1};
}

bool SegmentsCross(Point a, Point b, Point c, Point d) {
    const float den = (d.h - c.h) * (b.v - a.v) - (d.v - c.v) * (b.h - a.h);
    if (den == 0.0f) return false;
    const float ua = ((d.v - c.v) * (a.h - c.h) - (a.v - c.v) * (d.h - c.h)) / den;
    const float ub = ((b.v - a.v) * (a.h - c.h) - (a.v - c.v) * (b.h - a.h)) / den;
    return ua > 0.0f && ua < 1.0f && ub > 0.0f && ub < 1.0f;
}

float DirectionAngle(Point from, Point to) {
    return std::atan2(to.v - from.v, to.h - from.h);
}

Point PolarVector(float r, float angle) {
    return {r * std::cos(angle), r * std::sin(angle)};
}

Point PointAt(Point from, float distance, float angle) {
    return {from.h + distance * std::cos(angle), from.v + distance * std::sin(angle)};
}

float ChordLength(Point a, Point b) {
    const float dx = b.h - a.h, dy = b.v - a.v;
    return std::sqrt(dx * dx + dy * dy);
}

float PointDistance(Point a, Point b) {
    return std::hypot(b.h - a.h, b.v - a.v);
}

}  // namespace quill
