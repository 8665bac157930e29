// A small stand-in for the host's preference store, alert, Unicode string and font suites,
// for testing the settings storage without the real host. Keys under other prefixes are
// kept apart; failures are injected per function and key.
#pragma once

#include <cstdio>
#include <cstring>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "plugin/services/suites.h"
#include "sdk/errors.h"

namespace quill::testing {

struct StoredValue {
    enum Kind { Flag, Integer, Real, Text } kind = Flag;
    bool flag = false;
    std::int32_t integer = 0;
    double real = 0;
    std::string text;

    bool operator==(const StoredValue& o) const {
        if (kind != o.kind) return false;
        switch (kind) {
            case Flag:
                return flag == o.flag;
            case Integer:
                return integer == o.integer;
            case Real:
                return real == o.real;
            case Text:
                return text == o.text;
        }
        return false;
    }
};

inline StoredValue FlagValue(bool v) {
    return {StoredValue::Flag, v, 0, 0, {}};
}
inline StoredValue IntegerValue(std::int32_t v) {
    return {StoredValue::Integer, false, v, 0, {}};
}
inline StoredValue RealValue(double v) {
    return {StoredValue::Real, false, 0, v, {}};
}
inline StoredValue TextValue(std::string v) {
    return {StoredValue::Text, false, 0, 0, std::move(v)};
}

inline std::ostream& operator<<(std::ostream& out, const StoredValue& v) {
    switch (v.kind) {
        case StoredValue::Flag:
            return out << (v.flag ? "true" : "false");
        case StoredValue::Integer:
            return out << v.integer;
        case StoredValue::Real:
            return out << v.real << " (real)";
        case StoredValue::Text:
            return out << '"' << v.text << '"';
    }
    return out;
}

struct FakeHost {
    std::map<std::string, StoredValue> store;  // keys under the plug-in's prefix
    std::vector<std::string> writes;           // keys written, in order
    std::vector<std::string> alerts;
    std::vector<std::string> fonts{"Fonte Une", "Fonte Deux"};
    std::map<std::pair<std::string, std::string>, AIErr> failures;  // (function, key or "")

    AIErr FailureOf(const char* function, const std::string& key) const {
        auto it = failures.find({function, key});
        if (it != failures.end()) return it->second;
        it = failures.find({function, ""});
        return it != failures.end() ? it->second : kNoErr;
    }
    void Fail(const char* function, const std::string& key = "", AIErr code = kCantHappenErr) {
        failures[{function, key}] = code;
    }
};

inline FakeHost& Fake() {
    static FakeHost host;
    return host;
}

inline bool OurPrefix(const char* prefix) {
    return prefix && std::strcmp(prefix, "ORLQUILL") == 0;
}

template <typename T>
AIErr FakeGet(const char* function, const char* prefix, const char* key, T* value,
              StoredValue::Kind kind) {
    if (!OurPrefix(prefix)) return kBadParameterErr;
    if (AIErr failure = Fake().FailureOf(function, key)) return failure;
    auto it = Fake().store.find(key);
    if (it == Fake().store.end()) return kNoErr;
    const StoredValue& stored = it->second;
    if (kind == StoredValue::Integer && stored.kind == StoredValue::Real) {
        *value = static_cast<T>(static_cast<std::int32_t>(stored.real));
        return kNoErr;
    }
    if (kind == StoredValue::Real && stored.kind == StoredValue::Integer) {
        *value = static_cast<T>(stored.integer);
        return kNoErr;
    }
    if (stored.kind != kind) return kWrongTypeErr;
    switch (kind) {
        case StoredValue::Flag:
            *value = static_cast<T>(stored.flag);
            break;
        case StoredValue::Integer:
            *value = static_cast<T>(stored.integer);
            break;
        case StoredValue::Real:
            *value = static_cast<T>(stored.real);
            break;
        case StoredValue::Text:
            break;
    }
    return kNoErr;
}

inline AIErr FakePut(const char* function, const char* prefix, const char* key, StoredValue value) {
    if (!OurPrefix(prefix)) return kBadParameterErr;
    if (AIErr failure = Fake().FailureOf(function, key)) return failure;
    Fake().store[key] = std::move(value);
    Fake().writes.push_back(key);
    return kNoErr;
}

extern "C" {
inline ASErr FakeGetBoolean(const char* p, const char* k, AIBoolean* v) {
    return FakeGet("GetBooleanPreference", p, k, v, StoredValue::Flag);
}
inline ASErr FakePutBoolean(const char* p, const char* k, AIBoolean v) {
    return FakePut("PutBooleanPreference", p, k, FlagValue(v != 0));
}
inline ASErr FakeGetInteger(const char* p, const char* k, int32_t* v) {
    return FakeGet("GetIntegerPreference", p, k, v, StoredValue::Integer);
}
inline ASErr FakePutInteger(const char* p, const char* k, int32_t v) {
    return FakePut("PutIntegerPreference", p, k, IntegerValue(v));
}
inline ASErr FakeGetReal(const char* p, const char* k, double* v) {
    return FakeGet("GetRealPreference", p, k, v, StoredValue::Real);
}
inline ASErr FakePutReal(const char* p, const char* k, double v) {
    return FakePut("PutRealPreference", p, k, RealValue(v));
}
inline ASErr FakeGetString(const char* p, const char* k, char* v, size_t size) {
    if (!OurPrefix(p)) return kBadParameterErr;
    if (AIErr failure = Fake().FailureOf("GetStringPreference", k)) return failure;
    auto it = Fake().store.find(k);
    if (it == Fake().store.end()) return kNoErr;
    if (it->second.kind != StoredValue::Text) return kWrongTypeErr;
    std::snprintf(v, size, "%s", it->second.text.c_str());
    return kNoErr;
}
inline ASErr FakePutString(const char* p, const char* k, const char* v) {
    return FakePut("PutStringPreference", p, k, TextValue(v));
}
inline ASErr FakeMessageAlert(const char* text) {
    Fake().alerts.push_back(text);
    return kNoErr;
}
// The tests compare Windows-1252 bytes, so the conversion copies them as they are.
inline ASErr FakePlatformToUTF8(const char* platform, char* utf8, size_t size, size_t* needed) {
    const size_t length = std::strlen(platform);
    if (needed) *needed = length + 1;
    if (!utf8 || size == 0) return kNoErr;
    std::snprintf(utf8, size, "%s", platform);
    return length + 1 > size ? kBufferTooSmallErr : kNoErr;
}
inline ASErr FakeUTF8ToPlatform(const char* utf8, char* platform, size_t size, size_t* needed) {
    return FakePlatformToUTF8(utf8, platform, size, needed);
}
inline ASErr FakeIndexFontList(int32_t index, AIFontKey* font) {
    if (AIErr failure = Fake().FailureOf("IndexFontList", "")) return failure;
    if (index < 0 || index >= static_cast<int32_t>(Fake().fonts.size())) return kOutOfRangeErr;
    *font = reinterpret_cast<AIFontKey>(static_cast<intptr_t>(index + 1));
    return kNoErr;
}
inline ASErr FakeGetFullFontName(AIFontKey font, char* name, size_t size) {
    if (AIErr failure = Fake().FailureOf("GetFullFontName", "")) return failure;
    const intptr_t index = reinterpret_cast<intptr_t>(font) - 1;
    if (index < 0 || index >= static_cast<intptr_t>(Fake().fonts.size())) return kStaleHandleErr;
    std::snprintf(name, size, "%s", Fake().fonts[index].c_str());
    return kNoErr;
}
}

/// Installs the fake suites in the plug-in's suite globals for the life of the object,
/// starting from an empty store.
class FakeHostSuites {
 public:
    FakeHostSuites() {
        Fake() = FakeHost{};
        preference_.GetBooleanPreference = FakeGetBoolean;
        preference_.PutBooleanPreference = FakePutBoolean;
        preference_.GetIntegerPreference = FakeGetInteger;
        preference_.PutIntegerPreference = FakePutInteger;
        preference_.GetRealPreference = FakeGetReal;
        preference_.PutRealPreference = FakePutReal;
        preference_.GetStringPreference = FakeGetString;
        preference_.PutStringPreference = FakePutString;
        user_.MessageAlert = FakeMessageAlert;
        unicode_.PlatformToUTF8 = FakePlatformToUTF8;
        unicode_.UTF8ToPlatform = FakeUTF8ToPlatform;
        font_.IndexFontList = FakeIndexFontList;
        font_.GetFullFontName = FakeGetFullFontName;
        sAIPreference = &preference_;
        sAIUser = &user_;
        sAIUnicodeString = &unicode_;
        sAIFont = &font_;
    }
    ~FakeHostSuites() {
        sAIPreference = nullptr;
        sAIUser = nullptr;
        sAIUnicodeString = nullptr;
        sAIFont = nullptr;
    }
    FakeHostSuites(const FakeHostSuites&) = delete;
    FakeHostSuites& operator=(const FakeHostSuites&) = delete;

 private:
    AIPreferenceSuite preference_{};
    AIUserSuite user_{};
    AIUnicodeStringSuite unicode_{};
    AIFontSuite font_{};
};

}  // namespace quill::testing
