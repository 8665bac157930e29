// The group every dimension is made in, on the dimension layer, and its name.
#pragma once

#include "sdk/types.h"

namespace quill {

/// Finds or creates the layer titled "NomCalque" (new layers go above all others) and a
/// new empty dimension group in it, on top; a group left empty by an abandoned
/// dimension is removed first. When the dimension layer or the current layer is locked,
/// tells the user and returns kLockedErr: the click is abandoned.
AIErr PrepareDimensionGroup();

/// Names the current group `name` (Windows-1252); nothing when the name is nullptr or the
/// group is gone.
AIErr NameDimensionGroup(const char* name);

/// A layer made for the dimensions whose title the host refused: the next dimension titles
/// it again rather than make one more. Null when there is none.
AILayerHandle& UntitledDimensionLayer();

/// Disposes the art when the handle names live art; safe on an unset or stale handle.
AIErr DisposeArt(AIArtHandle art);

}  // namespace quill
