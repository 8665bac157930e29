#include "plugin/settings/preference_storage.h"

namespace quill {

// The settings record arrives with its own change; until then start-up loads nothing.
AIErr LoadPreferences() { return 0; }

}  // namespace quill
