// The preference file's text: a JSON object of prefixes, each an object of keys. What
// is no entry of the store is kept as compact JSON text, to be written back as read.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "host/prefs/preference_value.h"

namespace host {

using PreferencePlace = std::pair<std::string, std::string>;  // prefix and key

struct PreferenceFileContents {
    PreferenceEntries entries;
    /// Whole groups that are not objects, by prefix.
    std::map<std::string, std::string> keptGroups;
    /// Values of no preference kind, by prefix and key.
    std::map<PreferencePlace, std::string> keptValues;
    /// Texts that Windows-1252 cannot hold, as read (UTF-8).
    std::map<PreferencePlace, std::string> utf8Texts;
};

enum class PreferenceFileState { Missing, Read, Damaged };

/// Reads the file at `path`. Damaged: not a JSON object, or nested deeper than the
/// host reads, with `message` saying so; Read with `message` set: entries of no kind
/// were kept aside.
PreferenceFileState ReadPreferenceFile(const std::string& path, PreferenceFileContents* contents,
                                       std::string* message);

/// The file's text: entries indented, kept values as they were read, texts unchanged
/// since they were read as the file had them.
std::string PreferenceFileText(const PreferenceFileContents& contents);

}  // namespace host
