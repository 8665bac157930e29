// Whether a dimension group shows anything at all: what a gesture leaves is checked at its
// mouse-up, so that no empty or zero-length dimension stays in the drawing.
#pragma once

#include "sdk/types.h"

namespace quill {

/// True for a group with no pieces, or whose path pieces all have their anchors at one
/// point while none of its texts holds a character (a press that measured nothing). Art
/// the host cannot read counts as showing something: nothing is thrown away on a doubt.
bool ShowsNothing(AIArtHandle group);

}  // namespace quill
