#include "host/suites/key_state.h"

#include "host/core/event_state.h"
#include "host/core/host.h"

namespace host {

bool HostKeyHeld(std::int32_t virtualKey) {
    if (!HasCurrentHost()) return false;
    const auto& keys = CurrentHost().event().keysDown;
    if (keys.count(virtualKey) != 0) return true;
    return virtualKey == kVirtualKeyShift &&
           (keys.count(kVirtualKeyLeftShift) || keys.count(kVirtualKeyRightShift));
}

}  // namespace host
