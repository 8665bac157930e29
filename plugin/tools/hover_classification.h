// What lies under the pointer for the Segment and Parameters tools, from the host's
// hit tests; the result goes to `Hover()`.
#pragma once

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// The Segment tool's classification: anchor, snapped point, crossing, straight
/// segment, arc, curve, or a line or arc of an existing dimension.
AIErr ClassifySegmentHover(Point pointer);

/// The Parameters tool's: only lines and arcs of existing dimensions.
AIErr ClassifyParametersHover(Point pointer);

}  // namespace quill
