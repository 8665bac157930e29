// Asking the host to draw the annotation of the whole view again.
#pragma once

#include "sdk/sdk.h"

namespace quill {

/// Invalidates the annotation of the current view: its bounds, converted to view pixels,
/// into `rect`. Stops at the first failing host call and answers its code.
AIErr InvalidateWholeView(AIRect& rect);
AIErr InvalidateWholeView();

}  // namespace quill
