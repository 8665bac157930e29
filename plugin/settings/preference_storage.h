// Moving the settings between the settings record and the host's preference store.
#pragma once

#include "sdk/types.h"

namespace quill {

/// At start-up, while the tools are registered: the reset on the first start, the read
/// on every later one. Its result is not used by the caller.
AIErr LoadPreferences();

}  // namespace quill
