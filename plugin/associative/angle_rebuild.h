// Rebuilding an angle dimension from its link, on the current positions of the three
// anchors it measured, with the current settings.
#pragma once

#include "plugin/dimensions/build_outcome.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// A click on the arc (or square) of an angle dimension: finds the measured path by the
/// link the piece carries ("ang", "num1" to "num3") and replaces the old dimension by a new
/// one at the vertex "num2" between the anchors "num1" and "num3". Tells the user when the
/// path or one of its anchors cannot be found; the old dimension then stays as it is.
/// Built: the new dimension follows the pointer.
BuildResult RebuildAngleDimension(AIArtHandle piece);

}  // namespace quill
