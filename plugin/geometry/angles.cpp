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

SideEnd::End Other(SideEnd::End end) {
    return end == SideEnd::A ? SideEnd::B : SideEnd::A;
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

std::optional<SharedCorner> SharedAnchor(const Side& side1, const Side& side2) {
    const SideEnd a1{SideEnd::First, SideEnd::A}, b1{SideEnd::First, SideEnd::B};
    const SideEnd::End shared[4][2] = {
        {SideEnd::A, SideEnd::A},
        {SideEnd::A, SideEnd::B},
        {SideEnd::B, SideEnd::A},
        {SideEnd::B, SideEnd::B}};  // (end of side 1, end of side 2), in the order tried
    for (const auto& pair : shared) {
        const SideEnd vertex{SideEnd::First, pair[0]};
        const SideEnd onSide2{SideEnd::Second, pair[1]};
        if (!SamePoint(PointOf(side1, side2, onSide2), PointOf(side1, side2, vertex))) continue;
        const SideEnd otherOfSide2{SideEnd::Second, Other(pair[1])};
        if (pair[0] == SideEnd::A) return SharedCorner{a1, otherOfSide2, b1};
        return SharedCorner{b1, a1, otherOfSide2};
    }
    return std::nullopt;
}

Point PointOf(const Side& side1, const Side& side2, SideEnd end) {
    const Side& side = end.side == SideEnd::First ? side1 : side2;
    return end.end == SideEnd::A ? side.a : side.b;
}

std::optional<Angle> AngleFromTwoSides(const Side& side1, const Side& side2, bool samePath) {
    if (Cross(side1.a, side1.b, side2.a, side2.b) == 0.0f) return std::nullopt;
    if (samePath) {
        if (const auto corner = SharedAnchor(side1, side2))
            return MakeAngle(PointOf(side1, side2, corner->vertex),
                             PointOf(side1, side2, corner->first),
                             PointOf(side1, side2, corner->second));
    }
    const Point vertex = LineIntersection(side1.a, side1.b, side2.a, side2.b);
    return MakeAngle(vertex, NearerToClick(side1), NearerToClick(side2));
}

Angle AngleFromArc(Point centre, Point start, Point end) {
    return MakeAngle(centre, start, end);
}

bool StrictlyInsideOpening(const Angle& angle, Point p) {
    const Point origin{0, 0};
    const Point u = angle.first - angle.vertex, w = angle.second - angle.vertex;
    const Point q = p - angle.vertex;
    // Clockwise openings have the sector on the right of each ray, the others on the left.
    const float side = angle.opening > 0 ? -1.0f : 1.0f;
    const bool pastFirstRay = side * Cross(origin, u, origin, q) > 0;
    if (std::fabs(angle.opening) >= kPi) return pastFirstRay;
    return pastFirstRay && side * Cross(origin, q, origin, w) > 0;
}

}  // namespace quill
