#include "host/prefs/preference_files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "host/prefs/preference_json.h"

namespace host {

std::string UserPreferenceFile() {
    std::string folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        folder = config;
    else if (const char* home = std::getenv("HOME"); home && *home)
        folder = std::string(home) + "/.config";
    else
        return {};
    return folder + "/quill/preferences.json";
}

bool ReadSettingsFile(const std::string& path, PreferenceStore* store, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream text;
    text << in.rdbuf();
    std::string why;
    const bool read = PutPreferenceJson(text.str(), store, &why);
    if (!why.empty()) *error = path + ": " + why;
    return read;
}

}  // namespace host
