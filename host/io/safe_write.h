// Files written whole or not at all. The bytes go to a temporary file of this process's
// own beside the target (created exclusively under a random name, never through a link),
// which is flushed, synced and checked, then renamed over the target. A symlinked target
// is replaced where the link points; the target's permission bits are kept; a target
// the user may not write is refused as the shell refuses it. A target with other names
// (hard links) or an owner the temporary cannot be given is overwritten in place once
// the temporary is complete, so that every name and the owner still see the new bytes.
// Temporaries that a process no longer running left beside the target are removed. A
// device or a pipe (/dev/null, /dev/stdout) is written to directly.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace host {

class SafeFile {
 public:
    /// Prepares to replace `path`; false with `error` set ("PATH: reason: strerror")
    /// when the target may not or cannot be written. Nothing is changed then.
    bool Open(const std::string& path, std::string* error);
    /// Buffers the bytes; a failure is kept for Commit to report.
    void Write(const void* bytes, std::size_t size);
    /// Puts the written bytes in place of the target; on failure the target is as it was
    /// (or, written in place, `error` says where the whole content is) and the temporary
    /// is gone.
    bool Commit(std::string* error);

    SafeFile() = default;
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;
    /// Removes the temporary of a file never committed.
    ~SafeFile();

 private:
    /// Bytes handed to the system at once.
    static constexpr std::size_t kWriteBuffer = std::size_t{1} << 20;

    bool Flush();
    /// Hands bytes to the system; false with `errno` set.
    bool WriteOut(const char* bytes, std::size_t size);
    bool Fail(const std::string& what, int error, std::string* message);
    bool ReplaceInPlace(std::string* error);

    std::string path_;       // as the caller named it, for messages
    std::string target_;     // the file replaced: `path_` with its links followed
    std::string temporary_;  // empty once renamed or removed
    int fd_ = -1;
    int writeErrno_ = 0;    // the first failure of a write, 0 while all went well
    bool inPlace_ = false;  // the target keeps its inode: hard links, another owner
    bool direct_ = false;   // a device or a pipe, written to without a temporary
    std::vector<char> buffer_;
};

/// Replaces `path` with `bytes` through a SafeFile.
bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string* error);

}  // namespace host
