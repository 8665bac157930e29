// The cursors the tools show, from what the last classification found under the pointer.
#pragma once

#include <cstdint>

#include "plugin/tools/hover_state.h"
#include "sdk/sdk.h"

namespace quill {

/// Shows cursor resource `id` for the tool event.
void ShowCursor(const AIToolMessage* message, std::int32_t id);

/// From CurveHit on, the rows every measuring tool shares; a snapped point shows its own
/// cursor with the Segment tool only.
std::int32_t CursorFromCurveOn(std::int32_t tool, HoverKind kind);

/// The Segment, Circle and Lengths & Areas tools: anchors, straight segments (also while
/// the Segment tool's click on one is under way), then the shared rows.
std::int32_t MeasuringCursor(std::int32_t tool, HoverKind kind);

/// Whether a page of the parameters panel is open (Shift and Alt then do not switch
/// tools).
bool AnyPanelPageOpen();

}  // namespace quill
