#include "host/prefs/preference_store.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>

#include "host/prefs/preference_json.h"
#include "host/text/windows1252.h"

namespace host {

PreferenceValue PreferenceValue::Flag(bool v) {
    PreferenceValue p;
    p.kind = Kind::Flag;
    p.flag = v;
    return p;
}
PreferenceValue PreferenceValue::Integer(std::int32_t v) {
    PreferenceValue p;
    p.kind = Kind::Integer;
    p.integer = v;
    return p;
}
PreferenceValue PreferenceValue::Real(double v) {
    PreferenceValue p;
    p.kind = Kind::Real;
    p.real = v;
    return p;
}
PreferenceValue PreferenceValue::Text(std::string v) {
    PreferenceValue p;
    p.kind = Kind::Text;
    p.text = std::move(v);
    return p;
}

const PreferenceValue* PreferenceStore::Find(const std::string& prefix,
                                             const std::string& key) const {
    auto group = entries_.find(prefix);
    if (group == entries_.end()) return nullptr;
    auto it = group->second.find(key);
    return it == group->second.end() ? nullptr : &it->second;
}

void PreferenceStore::Put(const std::string& prefix, const std::string& key,
                          PreferenceValue value) {
    entries_[prefix][key] = std::move(value);
    Save();
}

AIErr PreferenceStore::GetFlag(const std::string& prefix, const std::string& key, bool* out) const {
    const PreferenceValue* v = Find(prefix, key);
    if (!v) return kNoErr;
    if (v->kind != PreferenceValue::Kind::Flag) return kWrongTypeErr;
    *out = v->flag;
    return kNoErr;
}

AIErr PreferenceStore::GetInteger(const std::string& prefix, const std::string& key,
                                  std::int32_t* out) const {
    const PreferenceValue* v = Find(prefix, key);
    if (!v) return kNoErr;
    if (v->kind == PreferenceValue::Kind::Integer) {
        *out = v->integer;
        return kNoErr;
    }
    if (v->kind != PreferenceValue::Kind::Real) return kWrongTypeErr;
    double t = std::trunc(v->real);
    // A real that no integer can hold is not an integer of the store.
    if (!(t >= std::numeric_limits<std::int32_t>::min() &&
          t <= std::numeric_limits<std::int32_t>::max()))
        return kWrongTypeErr;
    *out = static_cast<std::int32_t>(t);
    return kNoErr;
}

AIErr PreferenceStore::GetReal(const std::string& prefix, const std::string& key,
                               double* out) const {
    const PreferenceValue* v = Find(prefix, key);
    if (!v) return kNoErr;
    if (v->kind == PreferenceValue::Kind::Real)
        *out = v->real;
    else if (v->kind == PreferenceValue::Kind::Integer)
        *out = v->integer;
    else
        return kWrongTypeErr;
    return kNoErr;
}

AIErr PreferenceStore::GetText(const std::string& prefix, const std::string& key,
                               std::string* out) const {
    const PreferenceValue* v = Find(prefix, key);
    if (!v) return kNoErr;
    if (v->kind != PreferenceValue::Kind::Text) return kWrongTypeErr;
    *out = v->text;
    return kNoErr;
}

namespace {

using Json = nlohmann::ordered_json;

}  // namespace

bool PreferenceStore::BindFile(const std::string& path, std::string* error) {
    path_ = path;
    entries_.clear();
    keptGroups_.clear();
    keptValues_.clear();
    utf8Texts_.clear();
    fileDamaged_ = false;
    writeError_.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return true;  // a first run: the file appears with the first change
    std::stringstream text;
    text << in.rdbuf();
    Json root = Json::parse(text.str(), nullptr, false);
    if (root.is_discarded() || !root.is_object()) {
        *error = path +
                 ": damaged preference file (not a JSON object); starting with an empty "
                 "store, the file is moved to " +
                 path + ".damaged at the next change";
        fileDamaged_ = true;
        return false;
    }
    std::string skipped;
    for (const auto& [prefix, keys] : root.items()) {
        if (!keys.is_object()) {
            skipped += " \"" + prefix + "\"";
            keptGroups_[prefix] = keys.dump();
            continue;
        }
        for (const auto& [key, j] : keys.items()) {
            PreferenceValue value;
            if (!PreferenceValueFromJson(j, &value)) {
                skipped += " \"" + prefix + "/" + key + "\"";
                keptValues_[{prefix, key}] = j.dump();
                continue;
            }
            entries_[prefix][key] = value;
            if (j.is_string() && Windows1252ToUtf8(value.text) != j.get<std::string>())
                utf8Texts_[{prefix, key}] = j.get<std::string>();
        }
    }
    if (!skipped.empty()) {
        *error = path + ": entries of no preference kind were skipped (and are kept in the file):" +
                 skipped;
        return false;
    }
    return true;
}

void PreferenceStore::Save() {
    if (path_.empty()) return;
    Json root = Json::object();
    for (const auto& [prefix, raw] : keptGroups_)
        if (!entries_.count(prefix)) root[prefix] = Json::parse(raw);
    for (const auto& [prefix, keys] : entries_) {
        Json group = Json::object();
        for (const auto& [key, value] : keys) {
            // A text the program never changed goes back as the file had it.
            const auto utf8 = utf8Texts_.find({prefix, key});
            const bool unchanged = utf8 != utf8Texts_.end() &&
                                   value.kind == PreferenceValue::Kind::Text &&
                                   Utf8ToWindows1252(utf8->second) == value.text;
            group[key] = unchanged ? Json(utf8->second) : PreferenceValueToJson(value);
        }
        root[prefix] = group;
    }
    for (const auto& [place, raw] : keptValues_) {
        if (!root.contains(place.first)) root[place.first] = Json::object();
        Json& group = root[place.first];
        if (group.is_object() && !group.contains(place.second))
            group[place.second] = Json::parse(raw);
    }
    // A file that was not JSON at all is moved aside, whole, before it is replaced.
    if (fileDamaged_) {
        const std::string aside = path_ + ".damaged";
        if (std::rename(path_.c_str(), aside.c_str()) != 0 && errno != ENOENT) {
            writeError_ = path_ + ": the damaged preference file cannot be moved to " + aside;
            return;
        }
        fileDamaged_ = false;
    }
    std::string temporary = path_ + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << root.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
        if (!out) {
            writeError_ = path_ + ": the preference file cannot be written";
            return;
        }
    }
    // Written beside and renamed, so that a failed write never leaves half a file.
    if (std::rename(temporary.c_str(), path_.c_str()) != 0)
        writeError_ = path_ + ": the preference file cannot be replaced";
    else
        writeError_.clear();
}

void PreferenceStore::NoteUsed(const std::string& prefix, const std::string& key) {
    used_.emplace(prefix, key);
}

bool PreferenceStore::WasUsed(const std::string& prefix, const std::string& key) const {
    return used_.count({prefix, key}) != 0;
}

}  // namespace host
