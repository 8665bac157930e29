// The cursors the tools show, from what the last classification found under the pointer.
#pragma once

#include <cstdint>

#include "plugin/tools/hover_state.h"
#include "sdk/sdk.h"

namespace quill {

/// Shows cursor resource `id` for the tool event.
void ShowCursor(const AIToolMessage* message, std::int32_t id);

/// From CurveHit on, the rows every measuring tool shares: curves, arcs, crossings and
/// dimension lines; anything else (a snapped point too) shows the "nothing" cursor.
std::int32_t CursorFromCurveOn(HoverKind kind);

/// Anchors, straight segments, then the shared rows.
std::int32_t MeasuringCursor(HoverKind kind);

/// Whether a page of the parameters panel is open (Shift and Alt then do not switch
/// tools).
bool AnyPanelPageOpen();

}  // namespace quill
