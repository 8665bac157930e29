// Which settings quill update rebuilds a drawing's dimensions with: those of --prefs,
// else those the drawing was saved with, else the user's own store, else the defaults.
#pragma once

#include <string>

#include "host/core/host.h"

namespace quill::update {

/// Fills the host's store (kept in no file: the update writes no preferences) from the
/// first source there is: `prefsFile` when not empty, the settings the open drawing
/// carries, the user's preference file. Returns which, as the update tells it ("the
/// drawing's", "FILE", "the defaults"); "" with `error` set when `prefsFile` cannot be
/// read. What a source skipped goes to `warning`.
std::string ChooseSettings(const std::string& prefsFile, host::Host& host, std::string* warning,
                           std::string* error);

}  // namespace quill::update
