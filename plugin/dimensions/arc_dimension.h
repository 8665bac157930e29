// The length of a circular arc of a path, dimensioned by a concentric arc.
#pragma once

#include "plugin/dimensions/segment_layout.h"
#include "plugin/tools/hover_state.h"
#include "sdk/types.h"

namespace quill {

/// The click on an arc: the circle found under the pointer, the arc's two anchors, the
/// pieces, and the first build at the radius plus "Attaches".
AIErr StartArcDimension(const HoverState& hover);

/// The arc dimension for the current "Attaches"; while dragging the offset follows
/// the pointer (Shift: in steps of 10 points) and Escape moves only the label.
AIErr BuildArcDimension(const DragKeys& keys, Point pointer, bool dragging);

}  // namespace quill
