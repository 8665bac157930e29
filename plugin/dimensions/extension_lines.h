// Extension lines: from near each measured point to just beyond the dimension line.
#pragma once

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// Creates the slot's extension lines when missing (below its label), or disposes both
/// when "AvecAttaches" is off. Returns false when they are switched off.
bool EnsureExtensionLines(int slot, AIErr* result);

/// How far extension lines run beyond the dimension line, in points: 0.04 × "Zoom", so
/// that they grow with the arrowheads.
float ExtensionOvershoot();
/// The extension lines of an oblique dimension of direction `angle`: in the dimension's
/// frame (x along the angle, y to its left) from "Gap" off each measured point to
/// 0.04 × "Zoom" beyond the dimension line at "Attaches", then turned by the angle and
/// moved to the first and second measured points.
AIErr PlaceExtensionLines(float angle, float offset);

}  // namespace quill
