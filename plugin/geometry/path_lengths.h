// Lengths along paths read as chains of cubic Bézier segments, and the point at a given
// length. Lengths in points, single precision, flatness 1.0 point throughout.
#pragma once

#include <vector>

#include "plugin/geometry/services.h"
#include "plugin/geometry/types.h"

namespace quill {

/// The flatness, in points, of every length this system measures.
constexpr float kLengthFlatness = 1.0f;

/// Segment i of the path as the host builds it (i = n − 1 of a closed path: the
/// closing segment).
Bezier SegmentBezier(const PathReader& path, int segment);

/// Arc length of the Bézier in points (host service, flatness 1.0).
float BezierLength(const BezierService& service, const Bezier& bezier);

/// The closing segment of a path built backwards, from anchor 0 to anchor n − 1; it has
/// the same length as the closing segment.
Bezier BackwardsClosingBezier(const PathReader& path);

/// Length in points along the path from anchor a to anchor b (0 ≤ a, b < n). Open path:
/// between the two, whatever their order; closed path: forwards from a to b, through
/// the closing segment when b < a, the whole perimeter when a = b.
float PathLengthBetween(const PathReader& path, const BezierService& service, int a, int b);

/// The whole length of the path (closing segment included), multiplied by `unitFactor`
/// (the length in the wanted unit of one point; 1 leaves points) and divided by `scale`.
float PathTotalLength(const PathReader& path, const BezierService& service, double unitFactor,
                      float scale);

/// Where a distance along a path lands.
struct PathPosition {
    int segment = 0;      ///< index of the segment (n − 1: closing segment of a closed path)
    float t = 0;          ///< parameter on that segment, 0 … 1
    Point point;          ///< the point, in points
    float direction = 0;  ///< tangent direction, radians counter-clockwise from +x
};

/// The point at distance s (points, 0 ≤ s ≤ whole length) from anchor 0. A distance
/// that ends exactly at a segment's end stays on that segment, at its full length.
PathPosition PointAtLength(const PathReader& path, const BezierService& service, float s);

/// The points at several distances, each exactly as `PointAtLength` finds it alone, with
/// each segment's length asked of the host only once.
std::vector<PathPosition> PointsAtLengths(const PathReader& path, const BezierService& service,
                                          const std::vector<float>& distances);

}  // namespace quill
