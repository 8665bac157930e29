// The host's preference store: typed entries under (prefix, key), optionally kept in a
// JSON file that is read when bound and rewritten after every change. Other processes
// may rewrite the same file: each write takes the folder's lock, reads the file again
// and keeps what is there, but for the keys this store changed since its last write. A
// key written back as its user last read it is no change: a page of settings stored
// whole keeps what another process wrote meanwhile under the keys it did not touch.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "host/prefs/preference_file.h"
#include "host/prefs/preference_value.h"
#include "sdk/errors.h"

namespace host {

class PreferenceStore {
 public:
    using Entries = PreferenceEntries;

    const PreferenceValue* Find(const std::string& prefix, const std::string& key) const;
    /// Stores the value (replacing any entry of any kind) and rewrites the file; a file
    /// that cannot be written is told by writeError(). With a file, a value equal to the
    /// one last read there by NoteRead (or last put) changes nothing.
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
    /// not JSON, or nests deeper than kDeepestJsonNesting, is moved aside to `path` +
    /// ".damaged" at the next change, and entries of no preference kind, and texts
    /// Windows-1252 cannot hold, are written back as they were read for as long as
    /// nobody replaces them.
    bool BindFile(const std::string& path, std::string* error);
    /// Why the last write of the file failed ("PATH: reason"), or empty once a write
    /// succeeded: every change is in the file then.
    const std::string& writeError() const { return writeError_; }

    const Entries& entries() const { return contents_.entries; }

    /// Notes that a plug-in read or wrote the key through the preference suite, so that a
    /// front end can tell a setting the plug-in has from a key it never looks at.
    void NoteUsed(const std::string& prefix, const std::string& key);
    bool WasUsed(const std::string& prefix, const std::string& key) const;
    /// Notes the value the store's user (the plug-in) has just read for the key.
    void NoteRead(const std::string& prefix, const std::string& key);

 private:
    void Save();
    /// Takes what the file holds now for every place this store has not changed.
    void MergeFromFile(const PreferenceFileContents& onDisk);
    bool ChangedHere(const std::string& prefix) const;

    PreferenceFileContents contents_;
    std::set<PreferencePlace> changed_;  // put since the last write that succeeded
    std::set<std::pair<std::string, std::string>> used_;
    std::map<PreferencePlace, PreferenceValue> known_;  // as the user last read or put them
    std::string path_;
    std::string writeError_;
};

}  // namespace host
