// The keys held during the event being handled. On Windows the operating system is
// asked; elsewhere the host's keyboard state suite, acquired on first use.
#pragma once

#include <cstdint>

namespace quill {

/// Whether the key (a Windows virtual key code: 16 Shift, 17 Control, 18 Alt, 27 Escape,
/// 32 Space, 160 left Shift, 161 right Shift) is down. False when it cannot be known.
bool KeyIsDown(std::int32_t virtualKey);

/// Gives back a keyboard state suite taken on first use; called when the suites are
/// released. Nothing to do on Windows.
void ReleaseKeyboardState();

}  // namespace quill
