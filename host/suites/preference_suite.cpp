// The Preference suite over the host's preference store.
#include <cstring>

#include "host/prefs/preference_store.h"
#include "host/suites/suite_support.h"

namespace host {

namespace {

constexpr const char* kPrefs = kAIPreferenceSuite;

std::string Prefix(const char* prefix) {
    return prefix ? prefix : "";
}

template <class Body>
AIErr WithKey(const char* function, const char* prefix, const char* key, Body&& body) {
    return HostCall(kPrefs, function, [&](Host& host) -> AIErr {
        if (!key || !*key) return kBadParameterErr;
        host.preferences().NoteUsed(Prefix(prefix), key);
        return body(host.preferences());
    });
}

ASErr AIAPI GetBoolean(const char* prefix, const char* key, AIBoolean* value) {
    return WithKey("GetBooleanPreference", prefix, key, [&](PreferenceStore& store) -> AIErr {
        if (!value) return kBadParameterErr;
        bool flag = *value != 0;
        store.NoteRead(Prefix(prefix), key);
        AIErr error = store.GetFlag(Prefix(prefix), key, &flag);
        if (!error && store.Find(Prefix(prefix), key)) *value = flag;
        return error;
    });
}

ASErr AIAPI PutBoolean(const char* prefix, const char* key, AIBoolean value) {
    return WithKey("PutBooleanPreference", prefix, key, [&](PreferenceStore& store) -> AIErr {
        store.Put(Prefix(prefix), key, PreferenceValue::Flag(value != 0));
        return kNoErr;
    });
}

ASErr AIAPI GetInteger(const char* prefix, const char* key, int32_t* value) {
    return WithKey("GetIntegerPreference", prefix, key, [&](PreferenceStore& store) -> AIErr {
        if (!value) return kBadParameterErr;
        store.NoteRead(Prefix(prefix), key);
        return store.GetInteger(Prefix(prefix), key, value);
    });
}

ASErr AIAPI PutInteger(const char* prefix, const char* key, int32_t value) {
    return WithKey("PutIntegerPreference", prefix, key, [&](PreferenceStore& store) -> AIErr {
        store.Put(Prefix(prefix), key, PreferenceValue::Integer(value));
        return kNoErr;
    });
}

ASErr AIAPI GetReal(const char* prefix, const char* key, double* value) {
    return WithKey("GetRealPreference", prefix, key, [&](PreferenceStore& store) -> AIErr {
        if (!value) return kBadParameterErr;
        store.NoteRead(Prefix(prefix), key);
        return store.GetReal(Prefix(prefix), key, value);
    });
}

ASErr AIAPI PutReal(const char* prefix, const char* key, double value) {
    return WithKey("PutRealPreference", prefix, key, [&](PreferenceStore& store) -> AIErr {
        if (!std::isfinite(value)) return kBadParameterErr;
        store.Put(Prefix(prefix), key, PreferenceValue::Real(value));
        return kNoErr;
    });
}

// A text longer than the buffer is cut: the buffer always ends with a zero.
ASErr AIAPI GetString(const char* prefix, const char* key, char* value, size_t size) {
    return WithKey("GetStringPreference", prefix, key, [&](PreferenceStore& store) -> AIErr {
        if (!value || size == 0) return kBadParameterErr;
        store.NoteRead(Prefix(prefix), key);
        const PreferenceValue* entry = store.Find(Prefix(prefix), key);
        if (!entry) return kNoErr;
        if (entry->kind != PreferenceValue::Kind::Text) return kWrongTypeErr;
        std::size_t length = std::min(entry->text.size(), size - 1);
        std::memcpy(value, entry->text.data(), length);
        value[length] = '\0';
        return kNoErr;
    });
}

ASErr AIAPI PutString(const char* prefix, const char* key, const char* value) {
    return WithKey("PutStringPreference", prefix, key, [&](PreferenceStore& store) -> AIErr {
        if (!value) return kBadParameterErr;
        store.Put(Prefix(prefix), key, PreferenceValue::Text(value));
        return kNoErr;
    });
}

AIPreferenceSuite preferenceSuite = {GetBoolean, PutBoolean, GetInteger, PutInteger,
                                     GetReal,    PutReal,    GetString,  PutString};
SuiteTable preferenceTable(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &preferenceSuite);

}  // namespace
}  // namespace host
