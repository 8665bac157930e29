// Small plane helpers in single precision: products, projection, intersections.
// Points are document points (1/72 inch), y upwards; angles are radians,
// counter-clockwise from +x.
#pragma once

#include "plugin/geometry/types.h"

namespace quill {

/// u.h·v.h + u.v·v.v.
float Dot(Point u, Point v);

/// (B − A) × (D − C): positive when CD turns counter-clockwise from AB.
float Cross(Point a, Point b, Point c, Point d);

/// True when A, B, C lie on one line exactly (`Cross`(A, B, C, B) is 0, no tolerance).
bool Collinear(Point a, Point b, Point c);

/// The foot of the perpendicular from P on line AB. A = B yields non-finite coordinates.
Point ProjectOnLine(Point p, Point a, Point b);

/// The crossing of line AB with line CD, computed by slopes (a vertical line takes its
/// own branch). Parallel lines yield non-finite coordinates; callers test them first.
Point LineIntersection(Point a, Point b, Point c, Point d);

/// True when segment AB and segment CD cross strictly inside both: segments that only
/// touch at an end point, parallel and degenerate segments do not cross.
bool SegmentsCross(Point a, Point b, Point c, Point d);

/// Direction of the vector from `from` to `to`, radians in (−π, π].
float DirectionAngle(Point from, Point to);

/// The vector (r cos a, r sin a); r in points, a in radians.
Point PolarVector(float r, float angle);

/// The point `distance` points from `from` in the direction `angle`.
Point PointAt(Point from, float distance, float angle);
/// Euclidean distance in points (the host's hypotenuse, without overflow).
float PointDistance(Point a, Point b);
/// Euclidean distance as the square root of the sum of the squares in single precision:
/// the length the Segment tool measures between two points.
float ChordLength(Point a, Point b);

inline Point operator+(Point a, Point b) {
    return {a.h + b.h, a.v + b.v};
}
inline Point operator-(Point a, Point b) {
    return {a.h - b.h, a.v - b.v};
}
inline Point operator*(float k, Point a) {
    return {k * a.h, k * a.v};
}
/// Exact equality of both coordinates (a retracted control point equals its anchor).
inline bool SamePoint(Point a, Point b) {
    return a.h == b.h && a.v == b.v;
}

}  // namespace quill
