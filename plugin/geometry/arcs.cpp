#include "plugin/geometry/arcs.h"

#include <cmath>

#include "plugin/geometry/vectors.h"

namespace quill {

namespace {

// Only sets a second point on each construction line.
constexpr float kConstructionLength = 100.0f;
// How far, in points, a sample may stray from the circle and the segment still be an arc.
constexpr float kArcTolerance = 1.0f;
// Step of the samples along the segment.
constexpr float kSampleStep = 0.001f;

bool FullyRetracted(const PathSegment& s) {
    return SamePoint(s.in, s.p) && SamePoint(s.out, s.p);
}

}  // namespace

Point BezierPoint(const Bezier& b, float t) {
    const float u = 1.0f - t;
    const float w0 = u * u * u, w1 = 3.0f * u * u * t, w2 = 3.0f * u * t * t, w3 = t * t * t;
    return {w0 * b.p0.h + w1 * b.p1.h + w2 * b.p2.h + w3 * b.p3.h,
            w0 * b.p0.v + w1 * b.p1.v + w2 * b.p2.v + w3 * b.p3.v};
}

bool IsAngleVertex(const PathSegment& previous, const PathSegment& vertex,
                   const PathSegment& next) {
    return FullyRetracted(vertex) && SamePoint(previous.out, previous.p) &&
           SamePoint(next.in, next.p);
}

Circle CircleFromTangentAndChord(const PathSegment& a, const PathSegment& b) {
    const Point middle = 0.5f * (a.p + b.p);
    const float chord = DirectionAngle(b.p, a.p);
    const Point towards = SamePoint(a.in, a.p) ? a.out : a.in;
    const float tangent = DirectionAngle(a.p, towards);
    const Point normalEnd = a.p + PolarVector(kConstructionLength, tangent + kHalfPi);
    const Point bisectorEnd = middle + PolarVector(kConstructionLength, chord + kHalfPi);
    Circle circle;
    circle.centre = LineIntersection(a.p, normalEnd, middle, bisectorEnd);
    circle.radius = PointDistance(circle.centre, a.p);
    return circle;
}

bool IsCircularArc(const PathSegment& a, const PathSegment& b, bool backwards, Point* centre,
                   float* radius) {
    if (FullyRetracted(a) || FullyRetracted(b)) return false;
    const Circle circle = CircleFromTangentAndChord(a, b);
    if (centre) *centre = circle.centre;
    if (radius) *radius = circle.radius;
    const Bezier bezier = backwards ? Bezier{a.p, a.in, b.out, b.p} : Bezier{a.p, a.out, b.in, b.p};
    for (float t = 0; t < 1.0f; t += kSampleStep) {
        const float off =
            std::fabs(PointDistance(BezierPoint(bezier, t), circle.centre) - circle.radius);
        // Written so that a non-finite circle fails too.
        if (!(off <= kArcTolerance)) return false;
    }
    return true;
}

}  // namespace quill
