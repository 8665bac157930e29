// The marks of a tool on what lies under the pointer: the tool says them, the
// feedback draws them.
#pragma once

#include "plugin/feedback/annotation_drawer.h"
#include "plugin/tools/tool.h"

namespace quill {

/// Draws the tool's marks for the last classification.
void DrawToolMarks(AnnotationDrawer& drawer, const Tool& tool);

}  // namespace quill
