// The length of a whole open path measured along it: the dimension line is the path
// shifted sideways by "Attaches", taken from the outline of a stroke twice as wide.
#pragma once

#include "plugin/dimensions/segment_layout.h"
#include "plugin/tools/hover_state.h"
#include "sdk/types.h"

namespace quill {

/// The click on a curve: the clicked point and the tangent there, the pieces, and the
/// first build at the current "Attaches".
AIErr StartCurveDimension(const HoverState& hover);

/// A drag event: the offset is the pointer's distance from the clicked point, on the
/// pointer's side of the curve.
AIErr DragCurveDimension(Point pointer, const DragKeys& keys);

/// Rebuilds line A, the extension lines, the arrowheads and the label for the offset
/// `offset` (its sign chooses the side). Nothing unless the measured path and line A
/// exist, a dimension is under construction and the offset is not 0.
AIErr BuildCurveDimension(Point pointer, float offset, const DragKeys& keys);

}  // namespace quill
