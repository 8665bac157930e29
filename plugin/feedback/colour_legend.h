// The legend of the dimension colours beside the pointer: a short name of each colour's
// kind and a swatch of it.
#pragma once

#include "plugin/feedback/annotation_drawer.h"
#include "plugin/settings/settings_record.h"

namespace quill {

/// The line colour's row (unless `textOnly`) and the text colour's row, beside the text
/// anchor (view pixels); labels in `labelColour`. The text row sits `rowGap` pixels below
/// the line row.
void DrawColourLegend(AnnotationDrawer& drawer, AIPoint anchor, const AIRGBColor& labelColour,
                      bool textOnly, int rowGap);

}  // namespace quill
