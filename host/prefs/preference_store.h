// The host's preference store: typed entries under (prefix, key), optionally kept in a
// JSON file that is read once and rewritten after every change.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "sdk/errors.h"

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

class PreferenceStore {
 public:
    /// Entries by prefix ("" for the host's own) and key.
    using Entries = std::map<std::string, std::map<std::string, PreferenceValue>>;

    const PreferenceValue* Find(const std::string& prefix, const std::string& key) const;
    /// Stores the value (replacing any entry of any kind) and rewrites the file.
    void Put(const std::string& prefix, const std::string& key, PreferenceValue value);

    // Reads with the kind rules: an absent key leaves `out` untouched and is no error;
    // an entry of another kind is kWrongTypeErr, except that integers and reals read as
    // each other (a real read as an integer is truncated towards zero).
    AIErr GetFlag(const std::string& prefix, const std::string& key, bool* out) const;
    AIErr GetInteger(const std::string& prefix, const std::string& key, std::int32_t* out) const;
    AIErr GetReal(const std::string& prefix, const std::string& key, double* out) const;
    AIErr GetText(const std::string& prefix, const std::string& key, std::string* out) const;

    /// Keeps the store in `path`: reads it now (a missing file is an empty store). A
    /// damaged file gives false with `error` set; nothing of it is lost: a file that is
    /// not JSON is moved aside to `path` + ".damaged" at the next change, and entries of
    /// no preference kind, and texts Windows-1252 cannot hold, are written back as they
    /// were read for as long as nobody replaces them.
    bool BindFile(const std::string& path, std::string* error);
    /// The last failure to write the file, or empty.
    const std::string& writeError() const { return writeError_; }

    const Entries& entries() const { return entries_; }

    /// Notes that a plug-in read or wrote the key through the preference suite, so that a
    /// front end can tell a setting the plug-in has from a key it never looks at.
    void NoteUsed(const std::string& prefix, const std::string& key);
    bool WasUsed(const std::string& prefix, const std::string& key) const;

 private:
    void Save();

    Entries entries_;
    /// What was read but is not an entry, kept to be written back as it was: by prefix,
    /// whole groups that are not objects, and by prefix and key, values of no kind.
    std::map<std::string, std::string> keptGroups_;
    std::map<std::pair<std::string, std::string>, std::string> keptValues_;
    /// Texts of the file that Windows-1252 cannot hold, as read (UTF-8), by prefix and key.
    std::map<std::pair<std::string, std::string>, std::string> utf8Texts_;
    bool fileDamaged_ = false;
    std::set<std::pair<std::string, std::string>> used_;
    std::string path_;
    std::string writeError_;
};

}  // namespace host
