#include "plugin/settings/preference_store.h"

#include <cstring>

#include "plugin/services/ai_error.h"
#include "plugin/services/suites.h"
#include "plugin/settings/preference_keys.h"

namespace quill {
namespace {

using prefkey::kPrefix;

const AIPreferenceSuite& Store() {
    if (!sAIPreference) throw ai::Error(kSuiteNotAcquiredErr);
    return *sAIPreference;
}

// Runs `call` on the store, turning a missing suite into its code.
template <typename Call>
AIErr TryStore(Call call) {
    if (!sAIPreference) return kSuiteNotAcquiredErr;
    return call(*sAIPreference);
}

}  // namespace

AIErr TryPutFlag(const char* key, bool value) {
    return TryStore([&](const AIPreferenceSuite& s) {
        return s.PutBooleanPreference(kPrefix, key, value ? 1 : 0);
    });
}
AIErr TryPutInteger(const char* key, std::int32_t value) {
    return TryStore(
        [&](const AIPreferenceSuite& s) { return s.PutIntegerPreference(kPrefix, key, value); });
}
AIErr TryPutReal(const char* key, double value) {
    return TryStore(
        [&](const AIPreferenceSuite& s) { return s.PutRealPreference(kPrefix, key, value); });
}
AIErr TryPutText(const char* key, const char* value) {
    return TryStore(
        [&](const AIPreferenceSuite& s) { return s.PutStringPreference(kPrefix, key, value); });
}

void PutFlag(const char* key, bool value) {
    ai::Check(TryPutFlag(key, value));
}
void PutInteger(const char* key, std::int32_t value) {
    ai::Check(TryPutInteger(key, value));
}
void PutReal(const char* key, double value) {
    ai::Check(TryPutReal(key, value));
}
void PutText(const char* key, const char* value) {
    ai::Check(TryPutText(key, value));
}

void ReadFlag(const char* key, bool& field, bool fallback) {
    AIBoolean value = fallback ? 1 : 0;
    ai::Check(Store().GetBooleanPreference(kPrefix, key, &value));
    field = value != 0;
}
void ReadInteger(const char* key, std::int32_t& field, std::int32_t fallback) {
    std::int32_t value = fallback;
    ai::Check(Store().GetIntegerPreference(kPrefix, key, &value));
    field = value;
}
void ReadReal(const char* key, double& field, double fallback) {
    double value = fallback;
    ai::Check(Store().GetRealPreference(kPrefix, key, &value));
    field = value;
}
void ReadFlag(const char* key, bool& field) {
    ReadFlag(key, field, field);
}
void ReadInteger(const char* key, std::int32_t& field) {
    ReadInteger(key, field, field);
}
void ReadReal(const char* key, double& field) {
    ReadReal(key, field, field);
}

void ReadText(const char* key, char* field, std::size_t size) {
    if (size == 0) return;
    char value[1024];
    const std::size_t room = size < sizeof value ? size : sizeof value;
    std::strncpy(value, field, room - 1);
    value[room - 1] = '\0';
    ai::Check(Store().GetStringPreference(kPrefix, key, value, room));
    value[room - 1] = '\0';
    std::memcpy(field, value, std::strlen(value) + 1);
}

void ReadRealIgnoringError(const char* key, double& field, double fallback) {
    try {
        ReadReal(key, field, fallback);
    } catch (const ai::Error&) {
        field = fallback;
    }
}

AIErr TryGetInteger(const char* key, std::int32_t& value) {
    return TryStore(
        [&](const AIPreferenceSuite& s) { return s.GetIntegerPreference(kPrefix, key, &value); });
}

void GetFontNameAt(std::int32_t index, char* name, std::size_t size) {
    if (!sAIFont) throw ai::Error(kSuiteNotAcquiredErr);
    if (size == 0) return;
    AIFontKey font = nullptr;
    ai::Check(sAIFont->IndexFontList(index, &font));
    char fullName[1024] = {};
    const std::size_t room = size < sizeof fullName ? size : sizeof fullName;
    ai::Check(sAIFont->GetFullFontName(font, fullName, room));
    fullName[room - 1] = '\0';
    std::memcpy(name, fullName, std::strlen(fullName) + 1);
}

}  // namespace quill
