// The pieces of a curve-following dimension that work on path geometry: the offset line
// taken from a stroke outline, its shortening at the arrowheads, points along it.
#pragma once

#include <vector>

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// Outlines a stroke of width 2 × `offset` around a copy of `path` placed at the bottom
/// of `group`. Returns the outline, or nullptr when the outline fell apart into several
/// paths (every piece is then disposed) or could not be made. `pieces` receives how many
/// new paths the outline made.
AIArtHandle OutlineAround(AIArtHandle path, AIArtHandle group, float offset, int* pieces);

/// One long side of an outline around an open path from `e0` to `e1` at `offset`:
/// from the end cap at e0 to the one at e1 (`otherSide` false) or from e1 back to e0.
/// Empty when the caps cannot be found.
std::vector<PathSegment> LongSide(const std::vector<PathSegment>& outline, Point e0, Point e1,
                                  float offset, bool otherSide);

/// The two ends of an open run.
enum class RunEnd { Start, End };
/// Shortens an open run by `distance` at one end, removing whole segments and splitting
/// the one where the distance falls.
void ShortenRun(std::vector<PathSegment>* run, float distance, RunEnd end);

/// The point at half the run's length along it.
Point RunMiddle(const std::vector<PathSegment>& run);

}  // namespace quill
