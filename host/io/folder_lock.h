// An advisory lock (flock) on the folder of a file, held while the file is read, merged
// and replaced, so that processes that rewrite the same file take turns. The folder is
// locked rather than the file because the file is replaced by a rename: a lock on the
// old file would not keep the next writer from the new one.
#pragma once

#include <string>

namespace host {

class FolderLock {
 public:
    /// Waits for the lock on the folder of `path`; `held()` is false when the folder
    /// cannot be opened or locked, and `error` says why.
    FolderLock(const std::string& path, std::string* error);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return fd_ >= 0; }

 private:
    int fd_ = -1;
};

}  // namespace host
