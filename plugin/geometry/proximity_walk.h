// The proximity walk of the Lengths & Areas tool over one path: the first anchor or
// curve sample near the pointer, segment after segment. Points in document points,
// y upwards; tolerances in points.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "plugin/geometry/types.h"

namespace quill {

/// The point-closeness test the walk uses for anchors: (a, b, tolerance) → near.
using PointCloseness = std::function<bool(Point, Point, float)>;

/// The same rule as the host's: within `tolerance` on both axes (inclusive).
bool PointsCloseOnBothAxes(Point a, Point b, float tolerance);

/// Where the walk stopped on a path.
struct ProximityHit {
    enum class Kind { Anchor, Sample };
    Kind kind = Kind::Sample;
    int segment = 0;      ///< start anchor of the segment (n − 1: closing segment)
    int anchor = -1;      ///< Anchor: the anchor near the pointer
    float t = 0;          ///< Sample: the parameter of the sample on the segment
    Point point;          ///< the anchor or the sample
    float direction = 0;  ///< tangent direction there, radians counter-clockwise from +x
};

/// The Bézier of segment i from the path's own records, forwards (the closing segment
/// runs from anchor n − 1 to anchor 0).
Bezier RecordBezier(const std::vector<PathSegment>& anchors, int segment);

/// The first hit on one path: for each segment in order, anchor i then anchor i + 1
/// within `tolerance` (`close`), else the first sample t = 0, 0.001, … < 1 of the segment
/// strictly nearer than `tolerance`. `segments`, when given, lists in ascending order the
/// only segments that can hit (the others having been ruled out by their bounds);
/// otherwise every segment is walked.
std::optional<ProximityHit> FirstHitOnPath(const std::vector<PathSegment>& anchors, bool closed,
                                           Point pointer, float tolerance,
                                           const PointCloseness& close,
                                           const std::vector<int>* segments = nullptr);

/// Whether any sample of the segment, or its anchors, may come within `tolerance` of the
/// pointer: the pointer lies in the bounds of its four points grown by the tolerance and
/// a margin for rounding. False means the segment cannot hit.
bool SegmentMayBeNear(const Bezier& bezier, Point pointer, float tolerance);

/// The radius to ask the host's segment query with, for a walk of this tolerance: the
/// tolerance and the rounding margin of the sample points.
float CandidateRadius(float tolerance, Point pointer);

}  // namespace quill
