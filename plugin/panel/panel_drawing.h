// The Parameters panel as the annotation pass draws it while the Parameters tool is
// current.
#pragma once

#include "sdk/sdk.h"

namespace quill {

/// Draws the panel of the current phase through the message's drawer and view: closed, the
/// hint beside the cursor; the chooser; a page, the first open one in the chooser's order.
/// Nothing while the click that closes the panel is held. Returns the last host call's
/// code; a failing call does not stop the drawing.
AIErr DrawPanel(const AIAnnotatorMessage& message);

}  // namespace quill
