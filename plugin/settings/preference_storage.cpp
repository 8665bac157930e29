#include "plugin/settings/preference_storage.h"

#include <limits>

#include "plugin/services/alert.h"
#include "plugin/settings/preference_keys.h"
#include "plugin/settings/preference_store.h"
#include "sdk/errors.h"

namespace quill {

// Every start but the first finds "Precision", which the reset writes among its first keys.
AIErr LoadPreferences() {
    constexpr std::int32_t kAbsent = std::numeric_limits<std::int32_t>::min();
    std::int32_t precision = kAbsent;
    const AIErr error = TryGetInteger(prefkey::kPrecision, precision);
    if (error != kNoErr) {
        ShowAlert(prefalert::kReadFailed);
        return error;
    }
    if (precision == kAbsent) return ResetPreferences(Settings(), Panel());
    return ReadPreferences(Settings(), Panel());
}

}  // namespace quill
