// Recognition of angle vertices and circular arcs among path segments. Points in
// document points, y upwards, single precision.
#pragma once

#include "plugin/geometry/types.h"

namespace quill {

/// A circle: centre in points, radius in points.
struct Circle {
    Point centre;
    float radius = 0;
};

/// The point of the Bézier at t (0 … 1), evaluated in single precision.
Point BezierPoint(const Bezier& bezier, float t);

/// True when both segments meeting at `vertex` are straight: the vertex has both control
/// points retracted, `previous` its outgoing one and `next` its incoming one (exact
/// comparisons).
bool IsAngleVertex(const PathSegment& previous, const PathSegment& vertex, const PathSegment& next);

/// The circle through the anchors of A and B that is tangent at A's anchor to the
/// direction towards A.in (towards A.out when A.in is retracted): the crossing of the
/// normal at A with the perpendicular bisector of the chord. Non-finite when the two
/// lines are parallel.
Circle CircleFromTangentAndChord(const PathSegment& a, const PathSegment& b);

/// True when the Bézier (A.p, A.out, B.in, B.p) — with `backwards`, (A.p, A.in, B.out,
/// B.p) — stays within 1.0 point of the circle of `CircleFromTangentAndChord`(A, B) at
/// every sample t = 0, 0.001, … < 1. A or B with both control points retracted is never
/// an arc; nor is a segment whose circle is not finite. The circle found is written to
/// `centre` and `radius` when they are given, whatever the answer.
bool IsCircularArc(const PathSegment& a, const PathSegment& b, bool backwards,
                   Point* centre = nullptr, float* radius = nullptr);

}  // namespace quill
