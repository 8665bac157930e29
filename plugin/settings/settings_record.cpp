#include "plugin/settings/settings_record.h"

namespace quill {

SettingsRecord& Settings() {
    static SettingsRecord settings;
    return settings;
}

}  // namespace quill
