// Which keys the user holds during the event the host is handling, as the plug-in asks:
// through the keyboard suite, or on Windows through the system's own key state.
#pragma once

#include <cstdint>

namespace host {

/// Whether the virtual key is held during the current host's event; either shift key is
/// the shift key. False when no host is current.
bool HostKeyHeld(std::int32_t virtualKey);

}  // namespace host
