// One typed entry of the preference store, and the entries by prefix and key.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace host {

struct PreferenceValue {
    enum class Kind { Flag, Integer, Real, Text };
    Kind kind = Kind::Integer;
    bool flag = false;
    std::int32_t integer = 0;
    double real = 0;
    std::string text;  // Windows-1252

    static PreferenceValue Flag(bool v);
    static PreferenceValue Integer(std::int32_t v);
    static PreferenceValue Real(double v);
    static PreferenceValue Text(std::string v);
};

/// Same kind and same value of that kind.
inline bool operator==(const PreferenceValue& a, const PreferenceValue& b) {
    if (a.kind != b.kind) return false;
    switch (a.kind) {
        case PreferenceValue::Kind::Flag:
            return a.flag == b.flag;
        case PreferenceValue::Kind::Integer:
            return a.integer == b.integer;
        case PreferenceValue::Kind::Real:
            return a.real == b.real;
        case PreferenceValue::Kind::Text:
            return a.text == b.text;
    }
    return false;
}

/// Entries by prefix ("" for the host's own) and key.
using PreferenceEntries = std::map<std::string, std::map<std::string, PreferenceValue>>;

}  // namespace host
