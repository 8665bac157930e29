// The three ways an angle is found: at a vertex anchor, from two clicked sides, from a
// circular arc. Points in document points, y upwards; the opening in radians.
#pragma once

#include <optional>

#include "plugin/geometry/types.h"

namespace quill {

/// An angle: vertex V, a point S1 on the first side, a point S2 on the second side, and
/// the signed opening δ in [−π, π]; δ > 0 when S2 lies clockwise from S1 seen from V, so
/// the second side has direction α − δ, α the direction from V to S1.
struct Angle {
    Point vertex, first, second;
    float opening = 0;
};

/// The signed opening at V from S1 to S2 (see `Angle`).
float SignedOpening(Point vertex, Point first, Point second);

/// The angle at a vertex anchor between its previous and next anchors.
Angle AngleFromVertex(Point vertex, Point previous, Point next);

/// One clicked side: a straight segment with anchors A, B, clicked at C.
struct Side {
    Point a, b, click;
};

/// One end of one of two sides: anchor A or B of side 1 or side 2.
struct SideEnd {
    enum Which { First, Second } side;
    enum End { A, B } end;
};

/// Which ends of two sides of one path make a shared-anchor angle: the vertex (an end of
/// side 1), the point on the first side and the point on the second side.
struct SharedCorner {
    SideEnd vertex, first, second;
};

/// The anchor two sides share, tried in the order A2 = A1, B2 = A1, A2 = B1, B2 = B1 (exact
/// equality): at A1 the first side point is the other end of side 2 and the second is B1;
/// at B1 they are A1 and the other end of side 2. Nothing when they share no anchor.
std::optional<SharedCorner> SharedAnchor(const Side& side1, const Side& side2);

/// The point of a side end.
Point PointOf(const Side& side1, const Side& side2, SideEnd end);

/// The angle between two clicked sides: at their shared anchor when they belong to one
/// path and share one, otherwise at the crossing of their lines, measured in the sectors
/// the user clicked. Nothing when the sides are parallel (their cross product is 0).
std::optional<Angle> AngleFromTwoSides(const Side& side1, const Side& side2, bool samePath);

/// The angle of a circular arc: at its centre, from its start anchor to its end anchor.
Angle AngleFromArc(Point centre, Point start, Point end);

/// Whether `p` lies strictly inside the sector the angle opens from the ray V→S1 to the
/// ray V→S2 (turning clockwise for δ > 0); a point on either ray is not inside, nor is
/// any point for an opening of 0. An opening of ±π is the half plane on its side.
bool StrictlyInsideOpening(const Angle& angle, Point p);

}  // namespace quill
