#include "app/update/update_settings.h"

#include "host/prefs/preference_files.h"
#include "host/scripting/session_actions.h"

namespace quill::update {

std::string ChooseSettings(const std::string& prefsFile, host::Host& host, std::string* warning,
                           std::string* error) {
    if (!prefsFile.empty()) {
        if (host::ReadSettingsFile(prefsFile, &host.preferences(), warning)) return prefsFile;
        *error = warning->empty() ? prefsFile + ": cannot be read" : *warning;
        warning->clear();
        return "";
    }
    if (host::UseDrawingSettings(host, warning)) return "the drawing's";
    const std::string user = host::UserPreferenceFile();
    if (!user.empty() && host::ReadSettingsFile(user, &host.preferences(), warning)) return user;
    return "the defaults";
}

}  // namespace quill::update
