// Rebuilding a circle dimension from its link, on the current positions of the two
// anchors of the arc it measured, with the current settings.
#pragma once

#include "plugin/dimensions/build_outcome.h"
#include "sdk/types.h"

namespace quill {

/// A click on a line of a circle dimension: finds the measured path by the "cer" link
/// the piece carries, replaces the old dimension by a new one whose leader keeps its
/// direction, 30 points outside the circle. Tells the user when the path, or an anchor
/// the link names, cannot be found (the old dimension then stays as it is); a piece
/// without a link (a dimension made from two anchors) is not rebuilt. Built: the new
/// dimension follows the pointer.
BuildResult RebuildCircleDimension(AIArtHandle piece);

}  // namespace quill
