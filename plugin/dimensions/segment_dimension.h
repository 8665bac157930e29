// The Segment tool: what its click does, and how the dimension follows the pointer.
#pragma once

#include "plugin/dimensions/segment_layout.h"
#include "plugin/geometry/types.h"
#include "sdk/sdk.h"

namespace quill {

/// The Segment tool's mouse-down, acting on what the tracking found under the pointer
/// (`Hover()`) and on the host's hit record of the click.
AIErr SegmentClick(const AIToolHitData& hit, bool shift, bool alt, Point pointer);

/// Builds the dimension for the current type from the state at the click that fixed
/// the second point (or measured a segment): oblique (or the arc dimension when an arc
/// was clicked), horizontal or vertical.
AIErr BuildSegmentDimension();

/// Reshapes the dimension under construction for the pointer and the keys held.
AIErr DragSegmentDimension(Point pointer, const DragKeys& keys);

}  // namespace quill
