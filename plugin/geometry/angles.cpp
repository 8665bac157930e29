#include "plugin/geometry/angles.h"

#include <algorithm>
#include <cmath>

#include "plugin/geometry/vectors.h"

namespace quill {

namespace {

Angle MakeAngle(Point vertex, Point first, Point second) {
    return {vertex, first, second, SignedOpening(vertex, first, second)};
}

// The anchor of a side nearer to its click; A on a tie.
Point NearerToClick(const Side& side) {
    return PointDistance(side.b, side.click) < PointDistance(side.a, side.click) ? side.b : side.a;
}

}  // namespace

float SignedOpening(Point vertex, Point first, Point second) {
    const Point u = PolarVector(1.0f, DirectionAngle(vertex, first));
    const Point w = PolarVector(1.0f, DirectionAngle(vertex, second));
    // Unit vectors in single precision may give a product just past ±1.
    const float opening = std::acos(std::clamp(Dot(u, w), -1.0f, 1.0f));
    const Point origin{0, 0};
    return Cross(origin, w, origin, u) < 0 ? -opening : opening;
}

Angle AngleFromVertex(Point vertex, Point previous, Point next) {
    return MakeAngle(vertex, previous, next);
}

std::optional<Angle> AngleFromTwoSides(const Side& side1, const Side& side2, bool samePath) {
    if (Cross(side1.a, side1.b, side2.a, side2.b) == 0.0f) return std::nullopt;
    if (samePath) {
        if (SamePoint(side2.a, side1.a)) return MakeAngle(side1.a, side2.b, side1.b);
        if (SamePoint(side2.b, side1.a)) return MakeAngle(side1.a, side2.a, side1.b);
        if (SamePoint(side2.a, side1.b)) return MakeAngle(side1.b, side1.a, side2.b);
        if (SamePoint(side2.b, side1.b)) return MakeAngle(side1.b, side1.a, side2.a);
    }
    const Point vertex = LineIntersection(side1.a, side1.b, side2.a, side2.b);
    return MakeAngle(vertex, NearerToClick(side1), NearerToClick(side2));
}

Angle AngleFromArc(Point centre, Point start, Point end) {
    return MakeAngle(centre, start, end);
}

}  // namespace quill
