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

/// Entries by prefix ("" for the host's own) and key.
using PreferenceEntries = std::map<std::string, std::map<std::string, PreferenceValue>>;

}  // namespace host
