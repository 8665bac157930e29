// How the annotation pass lays out what a tool shows beside the pointer, in view pixels;
// each tool's row gives its own.
#pragma once

#include "plugin/geometry/types.h"
#include "sdk/errors.h"

namespace quill {

struct FeedbackLayout {
    int linesBelow = 0;           ///< how far below the pointer the lines start
    bool legend = true;           ///< the colour legend beside the lines
    bool legendTextOnly = false;  ///< only the legend's text colour row
    int legendRowGap = 8;         ///< from the legend's line row to its text row
    bool marks = true;            ///< the tool's marks; else its own view in their place
};

/// A selection rectangle dragged from `corner` (document points) to the pointer, and the
/// code of the selection it made.
struct DraggedBand {
    Point corner;
    AIErr code = kNoErr;
};

}  // namespace quill
