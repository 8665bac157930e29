// Equal divisions of a path, a straight segment and an angle, and the short marks drawn
// across them. Points in document points, y upwards; angles in radians,
// counter-clockwise from +x; mark lengths as the user types them, in millimetres.
#pragma once

#include <vector>

#include "plugin/geometry/path_lengths.h"
#include "plugin/geometry/services.h"
#include "plugin/geometry/types.h"

namespace quill {

/// A short straight line, from `from` to `to`.
struct Mark {
    Point from, to;
};

/// The mark across direction θ at P, of length L millimetres: centred on P, or, when
/// `oneSided`, from P to one side only (half as long): the left of θ, or the right of θ
/// when `rightSide` is set.
Mark PerpendicularMark(Point p, float theta, float lengthMm, bool oneSided, bool rightSide);

/// The same mark built in a local frame (drawn vertically, rotated by θ, moved to P), as
/// the marks of straight segments are.
Mark StraightSegmentMark(Point p, float theta, float lengthMm, bool oneSided, bool rightSide);

/// The N − 1 points dividing the path into N parts of equal length (closing segment
/// included), with their tangent directions. N < 2 gives none; the end points are not
/// division points.
std::vector<PathPosition> DividePath(const PathReader& path, const BezierService& service,
                                     int parts);

/// The N − 1 points dividing the straight segment AB into N equal parts, from A.
std::vector<Point> DivideSegment(Point a, Point b, int parts);

/// The N − 1 ray directions dividing the angle whose first side has direction α and whose
/// signed opening is δ (the second side has direction α − δ). With `outer` the reflex
/// angle, 2π − |δ|, is divided instead, turning away from the second side.
std::vector<float> DivideAngle(float alpha, float delta, int parts, bool outer);

/// The end of a division ray or an angle mark of length L millimetres from the vertex V.
Point RayEnd(Point vertex, float direction, float lengthMm);

}  // namespace quill
