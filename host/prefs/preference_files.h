// Preference files read without being kept: the user's own store, or a file named on a
// command line, taken as the settings of one run that must not write them.
#pragma once

#include <string>

#include "host/prefs/preference_store.h"

namespace host {

/// The user's preference file: $XDG_CONFIG_HOME/quill/preferences.json, else
/// ~/.config/quill/preferences.json; "" when neither variable is set.
std::string UserPreferenceFile();

/// Puts the entries of the preference file `path` into the store, which stays bound to
/// whatever it was (the file is never written). A missing file gives false and no error;
/// a damaged one false with `error` set.
bool ReadSettingsFile(const std::string& path, PreferenceStore* store, std::string* error);

}  // namespace host
