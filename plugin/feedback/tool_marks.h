// The marks of the acting tool on what lies under the pointer: the tool says them, the
// feedback draws them.
#pragma once

#include "plugin/feedback/annotation_drawer.h"

namespace quill {

/// Draws the acting tool's marks for the last classification (the Parameters tool has
/// none: its panel is drawn instead).
void DrawToolMarks(AnnotationDrawer& drawer);

}  // namespace quill
