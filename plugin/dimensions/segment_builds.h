// Linear dimensions between two points: oblique (along the points), horizontal and
// vertical, each built at the click and again at every drag event with the keys held.
#pragma once

#include "plugin/dimensions/build_outcome.h"
#include "plugin/dimensions/segment_layout.h"
#include "plugin/geometry/types.h"
#include "plugin/text/measure_text.h"
#include "sdk/types.h"

namespace quill {

/// An oblique dimension between the measured points of the build state. While dragging the line's
/// offset follows the pointer; Alt turns the extension lines towards the pointer; Shift rounds the
/// offset up to whole centimetres. Two equal points are refused: the user is told, the group
/// disposed.
BuildResult BuildObliqueDimension(const DragKeys& keys, Point pointer, BuildPhase phase);

/// A horizontal (or, `vertical`, a vertical) dimension of the slot between `first` and
/// `second`, its line at `level` (a y for horizontal, an x for vertical).
struct AxisDimension {
    int slot = 0;
    Point first, second;
    float level = 0;
    bool vertical = false;
    float textOffsetDirection = kHalfPi;  // where "DecalageSegY" moves the label
    float textRotation = 0;
};
BuildResult BuildAxisDimension(const AxisDimension& dimension, const DragKeys& keys, Point pointer);

/// The label text of a length of `points`, in the main unit (and the second measure).
void ComposeLengthText(double points, LabelText& label);

}  // namespace quill
