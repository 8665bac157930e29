// Open runs of anchors, as the lines of curve-following dimensions are kept: the Bézier
// of one segment and the run taken backwards. Points in document points, y upwards.
#pragma once

#include <cstddef>
#include <vector>

#include "plugin/geometry/types.h"

namespace quill {

/// The Bézier from anchor i to anchor i + 1 of an open run (i + 1 < run.size()).
Bezier RunBezier(const std::vector<PathSegment>& run, std::size_t i);

/// The run from its last anchor to its first, each anchor's control points exchanged.
std::vector<PathSegment> ReversedRun(const std::vector<PathSegment>& run);

/// The direction in which a run leaves its first anchor, radians counter-clockwise from
/// +x: towards the first control point that is not retracted, else towards the next
/// anchor.
float RunStartDirection(const std::vector<PathSegment>& run);

/// The direction in which the reversed run leaves the run's last anchor.
float RunEndDirection(const std::vector<PathSegment>& run);

}  // namespace quill
