#include "host/prefs/preference_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include "host/io/json_nesting.h"
#include "host/prefs/preference_json.h"
#include "host/text/windows1252.h"

namespace host {

namespace {

using Json = nlohmann::ordered_json;

std::string Compact(const Json& j) {
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// One group of the file: its keys with their JSON text, or the whole group's text.
struct GroupText {
    std::string prefix;
    std::vector<std::pair<std::string, std::string>> keys;
    std::string whole;  // a group that is not an object, as read
};

std::vector<GroupText> GroupsOf(const PreferenceFileContents& contents) {
    std::vector<GroupText> groups;
    for (const auto& [prefix, raw] : contents.keptGroups)
        if (!contents.entries.count(prefix)) groups.push_back({prefix, {}, raw});
    for (const auto& [prefix, keys] : contents.entries) {
        GroupText group{prefix, {}, {}};
        for (const auto& [key, value] : keys) {
            // A text the program never changed goes back as the file had it.
            const auto utf8 = contents.utf8Texts.find({prefix, key});
            const bool unchanged = utf8 != contents.utf8Texts.end() &&
                                   value.kind == PreferenceValue::Kind::Text &&
                                   Utf8ToWindows1252(utf8->second) == value.text;
            group.keys.emplace_back(
                key, Compact(unchanged ? Json(utf8->second) : PreferenceValueToJson(value)));
        }
        groups.push_back(std::move(group));
    }
    for (const auto& [where, raw] : contents.keptValues) {
        const PreferencePlace& place = where;  // a lambda may not capture a binding
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const GroupText& g) { return g.prefix == place.first; });
        if (group == groups.end()) group = groups.insert(groups.end(), {place.first, {}, {}});
        const auto& keys = group->keys;
        const bool taken = std::any_of(keys.begin(), keys.end(),
                                       [&](const auto& k) { return k.first == place.second; });
        if (group->whole.empty() && !taken) group->keys.emplace_back(place.second, raw);
    }
    return groups;
}

}  // namespace

PreferenceFileState ReadPreferenceFile(const std::string& path, PreferenceFileContents* contents,
                                       std::string* message) {
    *contents = PreferenceFileContents();
    std::ifstream in(path, std::ios::binary);
    if (!in) return PreferenceFileState::Missing;
    std::stringstream text;
    text << in.rdbuf();
    std::string why;
    const Json root = ParseNestedJson(text.str(), &why);
    if (root.is_discarded() || !root.is_object()) {
        *message = path + ": damaged preference file (" +
                   (root.is_discarded() ? why : "not a JSON object") +
                   "); starting with an empty store, the file is moved to " + path +
                   ".damaged at the next change";
        return PreferenceFileState::Damaged;
    }
    std::string skipped;
    for (const auto& [prefix, keys] : root.items()) {
        if (!keys.is_object()) {
            skipped += " \"" + prefix + "\"";
            contents->keptGroups[prefix] = Compact(keys);
            continue;
        }
        for (const auto& [key, j] : keys.items()) {
            PreferenceValue value;
            if (!PreferenceValueFromJson(j, &value)) {
                skipped += " \"" + prefix + "/" + key + "\"";
                contents->keptValues[{prefix, key}] = Compact(j);
                continue;
            }
            contents->entries[prefix][key] = value;
            if (j.is_string() && Windows1252ToUtf8(value.text) != j.get<std::string>())
                contents->utf8Texts[{prefix, key}] = j.get<std::string>();
        }
    }
    if (!skipped.empty())
        *message =
            path +
            ": entries of no preference kind were skipped (and are kept in the file):" + skipped;
    return PreferenceFileState::Read;
}

std::string PreferenceFileText(const PreferenceFileContents& contents) {
    const std::vector<GroupText> groups = GroupsOf(contents);
    std::string text = "{";
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const GroupText& group = groups[g];
        text += (g ? ",\n  " : "\n  ") + Compact(Json(group.prefix)) + ": ";
        if (!group.whole.empty()) {
            text += group.whole;
            continue;
        }
        if (group.keys.empty()) text += "{}";
        for (std::size_t k = 0; k < group.keys.size(); ++k)
            text += (k ? ",\n    " : "{\n    ") + Compact(Json(group.keys[k].first)) + ": " +
                    group.keys[k].second;
        if (!group.keys.empty()) text += "\n  }";
    }
    return text + (groups.empty() ? "}\n" : "\n}\n");
}

}  // namespace host
