// The outlines of the arrowhead shapes, from which both arrowheads of a dimension are
// drawn (scaled by "Zoom", rotated and moved onto the dimension line's ends). Pure.
#pragma once

#include <cstdint>

#include "plugin/geometry/types.h"

namespace quill {

/// Which paint style an arrowhead path takes.
enum class ArrowStyle { FillStyle, StrokeStyle };

constexpr int kArrowShapeCount = 7;  // "NumeroDeFleche" 0 to 6
constexpr int kMaxArrowShapeSegments = 20;

/// The outline at nominal size (before the "Zoom" scaling), in points: the tip at the
/// origin and the body along +x; y upwards.
struct ArrowShapeTable {
    std::int32_t segmentCount = 0;
    PathSegment segments[kMaxArrowShapeSegments];
    bool closed = false;
    ArrowStyle style = ArrowStyle::FillStyle;
    /// How far the dimension line stops short of the tip, points; 0 runs it to the tip.
    float arrowInset = 0;
};

/// Fills `table` with shape `shape` (0 barbed arrow, 1 open V, 2 outlined triangle, 3 solid
/// triangle, 4 dot, 5 ring, 6 oblique tick, laid along the line while the angle tool is
/// current). Any other number leaves the table unchanged and returns false.
bool BuildArrowShape(ArrowShapeTable& table, std::int32_t shape, bool angleToolCurrent);

}  // namespace quill
