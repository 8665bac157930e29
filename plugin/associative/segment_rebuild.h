// Rebuilding a segment dimension from its links, on the current positions of the anchors it
// measured, with the current settings; it then follows the pointer to be placed again.
#pragma once

#include "plugin/dimensions/build_outcome.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// A click on a line of a segment dimension: finds the measured path(s) by the links
/// the piece carries, replaces the old dimension by a new one. Tells the user when a
/// measured path cannot be found (the old dimension then stays as it is); a dimension
/// whose second point was not an anchor is not rebuilt. Built: a new dimension was made
/// for the pointer of the click and follows it.
BuildResult RebuildSegmentDimension(AIArtHandle piece, Point clickPointer);

}  // namespace quill
