// Making and shaping the pieces of a dimension: tagged paths and point texts in the
// dimension group, straight lines, transforms that move objects only.
#pragma once

#include <cstdint>

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// On a failure `result`, disposes the piece the host would not finish (untagged, without
/// its segments, without its text), clears the handle, so that the next reshape makes it
/// again, and notes the dimension unfinished; returns `result`.
AIErr DisposeUnfinished(AIArtHandle* piece, AIErr result);
/// Marks the art as dimension art ("orl" = "jj").
AIErr TagPiece(AIArtHandle art);

/// A new tagged path of `segmentCount` corner segments at the origin, placed below
/// `below` when that piece exists, else inside the current group at the bottom.
AIErr NewPathPiece(AIArtHandle below, std::int16_t segmentCount, AIArtHandle* piece);

/// A new tagged horizontal point text anchored at the origin, inside the current group
/// on top.
AIErr NewTextPiece(AIArtHandle* text);

/// What a straight piece is, which decides its style.
enum class LineRole {
    ExtensionLine,  // `StrokeStyle`
    DimensionLine,  // `DimensionLineStyle()`
};
/// Makes the path an open path of exactly two corner segments from `from` to `to`, in
/// the style of its role. Nothing when the path is not valid.
AIErr SetStraightLine(Point from, Point to, AIArtHandle path, LineRole role);

/// Transforms the art's geometry by the matrix; stroke widths are left alone.
AIErr TransformPiece(AIArtHandle art, const Matrix& matrix);

/// Writes the segments into the path, resizing it and setting its closed flag.
AIErr SetPathShape(AIArtHandle path, const PathSegment* segments, std::int16_t count, bool closed);

}  // namespace quill
