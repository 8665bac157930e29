// Cursor tracking: the classification each tool runs, and the cursor it then shows.
#pragma once

#include <cstdint>

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// Runs the current tool's classification of what lies under the pointer.
AIErr ClassifyForTool(std::int32_t tool, Point pointer);

/// The cursor for what the last classification found; 0 leaves the cursor unchanged.
/// `shiftAndAlt`: both keys are down.
std::int32_t CursorForHover(std::int32_t tool, bool shiftAndAlt);

/// Whether a page of the parameters panel is open (Shift and Alt then do not switch
/// tools).
bool AnyPanelPageOpen();

}  // namespace quill
