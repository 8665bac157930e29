// The keys held during the event being handled.
#pragma once

#include <cstdint>

namespace quill {

/// Whether the key (a Windows virtual key code: 16 Shift, 17 Control, 18 Alt, 27 Escape,
/// 32 Space, 160 left Shift, 161 right Shift) is down.
bool KeyIsDown(std::int32_t virtualKey);

}  // namespace quill
