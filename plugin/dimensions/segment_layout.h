// The dimension line of a linear dimension and its label: the line's two halves around
// the label, the label's place and rotation, and the keys that move the label.
#pragma once

#include "plugin/dimensions/drag_keys.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// A dimension line ready to be laid out.
struct LineLayout {
    Point start, end;               // the line's ends after the offset, before shortening
    float direction = 0;            // from start to end
    float length = 0;               // the measured length, before the arrowhead insets
    float inset = 0;                // how far each end stops short of its arrowhead tip
    float textOffsetDirection = 0;  // where "DecalageSegY" moves the label
    float textRotation = 0;
};

/// The room the label takes on the line: its width (or, for a label kept horizontal,
/// the part of it that crosses a line of direction `direction`) plus 4.
float LabelGap(float width, float height, float direction);

/// Lays out line A, line B and the label of the slot (the label already holds its
/// text): the line is interrupted around the label unless the label is off the line;
/// with Space the label slides to the pointer's foot, with Escape it goes to the
/// pointer. Without a label the line is whole.
AIErr LayOutDimensionLine(int slot, const LineLayout& layout, const DragKeys& keys, Point pointer);

}  // namespace quill
