// Preference entries as JSON: one value, and a prefix's entries as the text a drawing
// carries of the settings it was dimensioned with ({PREFIX: {KEY: VALUE}}, as the
// preference file writes them).
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "host/prefs/preference_store.h"

namespace host {

/// The value of a JSON entry: a flag, a 32-bit integer, a real or a text (UTF-8 in JSON,
/// Windows-1252 in the store); false for anything else.
bool PreferenceValueFromJson(const nlohmann::ordered_json& j, PreferenceValue* value);
/// The entry's JSON; a real JSON cannot write (infinite, NaN) as 0.0.
nlohmann::ordered_json PreferenceValueToJson(const PreferenceValue& value);

/// The entries of `prefix` as `{"PREFIX": {KEY: VALUE, ...}}` on one line; "" when the
/// store holds none.
std::string PrefixEntriesJson(const PreferenceStore& store, const std::string& prefix);

/// Puts every entry of `text` (`{PREFIX: {KEY: VALUE}}`) into the store. False with
/// `error` set, the store unchanged, when the text is no such object; entries of no
/// preference kind are skipped, and named in `error`, while the others are put.
bool PutPreferenceJson(const std::string& text, PreferenceStore* store, std::string* error);

}  // namespace host
