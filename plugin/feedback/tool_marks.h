// The marks of the current tool on what lies under the pointer.
#pragma once

#include "plugin/feedback/annotation_drawer.h"

namespace quill {

/// Draws the current tool's marks for the last classification (the Parameters tool has
/// none: its panel is drawn instead).
void DrawToolMarks(AnnotationDrawer& drawer);

}  // namespace quill
