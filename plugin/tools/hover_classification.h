// What lies under the pointer for the Segment, Lengths & Areas and Parameters tools; the
// result goes to `CurrentHover()`.
#pragma once

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// The Segment tool's classification: anchor, snapped point, crossing, straight
/// segment, arc, curve, or a line or arc of an existing dimension.
AIErr ClassifySegmentHover(Point pointer);

/// The Lengths & Areas tool's, by proximity rather than host hit tests: the first anchor
/// or curve sample of the document near the pointer (within 6 points at a view zoom of 2
/// or less, else 3).
AIErr ClassifyLengthsHover(Point pointer);

/// The Parameters tool's: only lines and arcs of existing dimensions.
AIErr ClassifyParametersHover(Point pointer);

}  // namespace quill
