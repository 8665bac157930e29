// Whole-path geometry of the host: exact bounds, accumulated lengths, and whether a
// point lies inside the area a path encloses. Document points, y upwards.
#pragma once

#include <vector>

#include "host/geometry/segment_index.h"
#include "sdk/types.h"

namespace host::geom {

/// The exact bounds of the path's curve (not of its control points); an empty path gives
/// a zero box at the origin.
Box CurveBounds(const std::vector<AIPathSegment>& segments, bool closed);

/// For each anchor, the length of the path from anchor 0 to it (0 for anchor 0), in
/// points; the closing segment is not included.
std::vector<double> AccumulatedLengths(const std::vector<AIPathSegment>& segments);

/// How many times the path winds around p, counter-clockwise positive (an open path is
/// closed by a straight line).
int WindingNumber(const std::vector<AIPathSegment>& segments, bool closed, AIRealPoint p);

/// Whether p lies inside the area the path encloses (an open path is closed by a straight
/// line); the nonzero winding rule, or even–odd when `evenOdd`.
bool Encloses(const std::vector<AIPathSegment>& segments, bool closed, AIRealPoint p, bool evenOdd);

}  // namespace host::geom
