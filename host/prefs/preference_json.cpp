#include "host/prefs/preference_json.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "host/io/json_nesting.h"
#include "host/text/windows1252.h"

namespace host {

using Json = nlohmann::ordered_json;

bool PreferenceValueFromJson(const Json& j, PreferenceValue* value) {
    if (j.is_boolean()) {
        *value = PreferenceValue::Flag(j.get<bool>());
    } else if (j.is_number_integer()) {
        if (j.is_number_unsigned() &&
            j.get<std::uint64_t>() >
                static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
            return false;
        auto n = j.get<std::int64_t>();
        if (n < std::numeric_limits<std::int32_t>::min() ||
            n > std::numeric_limits<std::int32_t>::max())
            return false;
        *value = PreferenceValue::Integer(static_cast<std::int32_t>(n));
    } else if (j.is_number_float()) {
        *value = PreferenceValue::Real(j.get<double>());
    } else if (j.is_string()) {
        *value = PreferenceValue::Text(Utf8ToWindows1252(j.get<std::string>()));
    } else {
        return false;
    }
    return true;
}

Json PreferenceValueToJson(const PreferenceValue& v) {
    switch (v.kind) {
        case PreferenceValue::Kind::Flag:
            return v.flag;
        case PreferenceValue::Kind::Integer:
            return v.integer;
        case PreferenceValue::Kind::Real:
            // JSON has no infinities or NaN; such a real is kept as a text-free zero.
            return std::isfinite(v.real) ? Json(v.real) : Json(0.0);
        case PreferenceValue::Kind::Text:
            return Windows1252ToUtf8(v.text);
    }
    return nullptr;
}

std::string PrefixEntriesJson(const PreferenceStore& store, const std::string& prefix) {
    const auto group = store.entries().find(prefix);
    if (group == store.entries().end() || group->second.empty()) return "";
    Json entries = Json::object();
    for (const auto& [key, value] : group->second) entries[key] = PreferenceValueToJson(value);
    return Json{{prefix, entries}}.dump(-1, ' ', false, Json::error_handler_t::replace);
}

bool PutPreferenceJson(const std::string& text, PreferenceStore* store, std::string* error) {
    std::string why;
    const Json root = ParseNestedJson(text, &why);
    if (root.is_discarded() || !root.is_object()) {
        *error = "the settings are not a JSON object" + (why.empty() ? "" : " (" + why + ")");
        return false;
    }
    std::string skipped;
    for (const auto& [prefix, keys] : root.items()) {
        if (!keys.is_object()) {
            skipped += " \"" + prefix + "\"";
            continue;
        }
        for (const auto& [key, j] : keys.items()) {
            PreferenceValue value;
            if (PreferenceValueFromJson(j, &value))
                store->Put(prefix, key, value);
            else
                skipped += " \"" + prefix + "/" + key + "\"";
        }
    }
    if (!skipped.empty()) *error = "settings of no preference kind were skipped:" + skipped;
    return true;
}

}  // namespace host
