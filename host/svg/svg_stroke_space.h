// A path kept in its stroke space is written in that space: the stroke then has the
// shape it had in the file the path came from.
#pragma once

#include <string>
#include <vector>

#include "host/document/stroke_space.h"
#include "host/svg/svg_matrix.h"
#include "sdk/sdk.h"

namespace host::svg {

/// The `transform` of a path written in its stroke space: "matrix(a b c d 0 0)".
std::string StrokeSpaceTransform(const StrokeSpace& space);

/// The map from document points to the stroke space's own coordinates.
Matrix FromDocument(const StrokeSpace& space);

/// The segments with every point mapped by `map` (single precision, as records keep).
std::vector<AIPathSegment> SegmentsMapped(const std::vector<AIPathSegment>& segments,
                                          const Matrix& map);

/// The segments in the stroke space's coordinates (single precision, as records keep).
std::vector<AIPathSegment> SegmentsInSpace(const std::vector<AIPathSegment>& segments,
                                           const StrokeSpace& space);

}  // namespace host::svg
