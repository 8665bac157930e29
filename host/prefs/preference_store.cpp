#include "host/prefs/preference_store.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "host/io/folder_lock.h"
#include "host/io/safe_write.h"

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
    auto group = contents_.entries.find(prefix);
    if (group == contents_.entries.end()) return nullptr;
    auto it = group->second.find(key);
    return it == group->second.end() ? nullptr : &it->second;
}

void PreferenceStore::Put(const std::string& prefix, const std::string& key,
                          PreferenceValue value) {
    if (!path_.empty()) {
        const auto known = known_.find({prefix, key});
        if (known != known_.end() && known->second == value) return;
        known_[{prefix, key}] = value;
    }
    contents_.entries[prefix][key] = std::move(value);
    contents_.keptValues.erase({prefix, key});
    if (!path_.empty()) changed_.insert({prefix, key});
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

bool PreferenceStore::BindFile(const std::string& path, std::string* error) {
    path_ = path;
    changed_.clear();
    known_.clear();
    writeError_.clear();
    std::string message;
    ReadPreferenceFile(path, &contents_, &message);
    // A damaged file is moved aside, whole, by the first write (Save reads it again).
    if (message.empty()) return true;
    *error = message;
    return false;
}

bool PreferenceStore::ChangedHere(const std::string& prefix) const {
    auto next = changed_.lower_bound({prefix, std::string()});
    return next != changed_.end() && next->first == prefix;
}

void PreferenceStore::MergeFromFile(const PreferenceFileContents& onDisk) {
    PreferenceFileContents& mine = contents_;
    for (const auto& [prefix, raw] : onDisk.keptGroups) {
        if (ChangedHere(prefix)) continue;
        mine.keptGroups[prefix] = raw;
        mine.entries.erase(prefix);
    }
    for (const auto& [prefix, keys] : onDisk.entries) {
        if (!ChangedHere(prefix)) mine.keptGroups.erase(prefix);
        for (const auto& [key, value] : keys) {
            if (changed_.count({prefix, key})) continue;
            mine.entries[prefix][key] = value;
            mine.keptValues.erase({prefix, key});
            mine.utf8Texts.erase({prefix, key});
        }
    }
    for (const auto& [place, text] : onDisk.utf8Texts)
        if (!changed_.count(place)) mine.utf8Texts[place] = text;
    for (const auto& [place, raw] : onDisk.keptValues) {
        if (changed_.count(place)) continue;
        mine.keptValues[place] = raw;
        auto group = mine.entries.find(place.first);
        if (group == mine.entries.end()) continue;
        group->second.erase(place.second);
        if (group->second.empty()) mine.entries.erase(group);
    }
}

void PreferenceStore::Save() {
    if (path_.empty()) return;
    FolderLock lock(path_, &writeError_);
    if (!lock.held()) return;
    PreferenceFileContents onDisk;
    std::string ignored;
    const PreferenceFileState state = ReadPreferenceFile(path_, &onDisk, &ignored);
    if (state == PreferenceFileState::Read) MergeFromFile(onDisk);
    // A file that is not JSON at all is moved aside, whole, before it is replaced.
    if (state == PreferenceFileState::Damaged) {
        const std::string aside = path_ + ".damaged";
        if (std::rename(path_.c_str(), aside.c_str()) != 0 && errno != ENOENT) {
            writeError_ = path_ + ": the damaged preference file cannot be moved to " + aside +
                          ": " + std::strerror(errno);
            return;
        }
    }
    if (WriteFileSafely(path_, PreferenceFileText(contents_), &writeError_)) {
        writeError_.clear();
        changed_.clear();
    }
}

void PreferenceStore::NoteUsed(const std::string& prefix, const std::string& key) {
    used_.emplace(prefix, key);
}

void PreferenceStore::NoteRead(const std::string& prefix, const std::string& key) {
    if (const PreferenceValue* value = Find(prefix, key))
        known_[{prefix, key}] = *value;
    else
        known_.erase({prefix, key});
}

bool PreferenceStore::WasUsed(const std::string& prefix, const std::string& key) const {
    return used_.count({prefix, key}) != 0;
}

}  // namespace host
