// The outline of the current arrowhead shape: tip at the origin, body along +x.
#pragma once

#include <cstdint>

#include "plugin/geometry/types.h"

namespace quill {

enum class ArrowStyle { Fill, Stroke };

struct ArrowShapeTable {
    std::int16_t count = 0;
    PathSegment segments[20];
    bool closed = false;
    ArrowStyle style = ArrowStyle::Fill;
    float inset = 0;  // `ArrowInset`: how far the line stops short of the tip, unscaled
};

ArrowShapeTable& ArrowShape();

/// Fills the table for shape 0..6; any other number leaves it unchanged.
void BuildArrowShape(std::int32_t shape, bool angleTool);

}  // namespace quill
