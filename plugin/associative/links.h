// Links between a dimension and the path it measures: matching tags on both, whose
// shared value (the identifier) lets a click on the dimension find the path again.
#pragma once

#include <cstdint>

#include "sdk/types.h"

namespace quill {

/// Writers: the link tag on the measured path (its identifier reused, or a new one),
/// then the tag and the anchor indices on the dimension's line pieces (line A always,
/// line B when it exists). The pieces are those of the dimension under construction.
AIErr LinkFirstPoint(AIArtHandle path, std::int16_t anchor);                   // "segpt1", "num1"
AIErr LinkSecondPoint(AIArtHandle path, std::int16_t anchor);                  // "segpt2", "num2"
AIErr LinkSegment(AIArtHandle path, std::int16_t first, std::int16_t second);  // "surseg"

/// The first unlocked path, in the host's order, that carries `linkTag` with the value
/// `identifier` and does not carry `marker` (dimension pieces carry it). When none
/// matches, tells the user and returns nullptr.
AIArtHandle FindMeasuredPath(const char* linkTag, const char* identifier, const char* marker);

/// The anchor index stored on a piece under `indexTag`, read digit by digit with no sign,
/// as a 16-bit value; -1 when the piece has no readable (or an empty) tag. The caller checks the
/// index against the path's anchors: a tag edited by hand may hold anything.
std::int16_t ReadAnchorIndex(AIArtHandle piece, const char* indexTag);

/// After a snapped second point: the segment dimension under construction no longer
/// rebuilds ("mods", "segpt1" and "num1" leave both line pieces). The measured path
/// keeps its link.
void MakeSegmentDimensionNonAssociative();

/// An angle dimension: "ang" and the marker "moda" on its arc, with the indices of the
/// anchors on the first side, at the vertex and on the second side ("num1" to "num3").
AIErr LinkAngle(AIArtHandle path, std::int16_t first, std::int16_t vertex, std::int16_t second);
/// The circle dimension under construction measures the arc of `path` between anchors
/// `first` and `second`: "cer" on the path, and "cer", "num1", "num2" on the leader and
/// on the radius line when it exists.
AIErr LinkCircle(AIArtHandle path, std::int16_t first, std::int16_t second);

}  // namespace quill
