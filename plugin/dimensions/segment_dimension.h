// The Segment tool's dimensions: the one its click builds for the current type
// ("TypeDeCote"), and how it follows the pointer while dragged into place.
#pragma once

#include "plugin/dimensions/build_outcome.h"
#include "plugin/dimensions/segment_layout.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// What the Segment tool's click measured: the distance between two points (or the two
/// ends of a straight segment), a whole circular arc, or a whole curve.
enum class SegmentMeasure { BetweenPoints, Arc, Curve };

/// Builds the dimension between the measured points of the build state for the current
/// type: oblique, horizontal or vertical, the line placed for the pointer of the click.
/// The horizontal-and-vertical type builds at its first drag.
BuildResult BuildSegmentDimension(Point clickPointer);

/// A horizontal or vertical dimension between the measured points of the build state, its
/// line at `level` (a y, or an x when vertical). The points are kept in reading order:
/// left to right, upwards.
BuildResult BuildAxisFromState(bool vertical, float level, const DragKeys& keys, Point pointer);

/// Reshapes the dimension under construction for the pointer and the keys held.
BuildResult DragSegmentDimension(SegmentMeasure measure, Point pointer, const DragKeys& keys);

}  // namespace quill
