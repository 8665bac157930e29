#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>

#include "host/io/safe_write.h"
#include "host/io/temporary_files.h"

namespace host {

// On Windows the temporary replaces the target through MoveFileEx, written through to the
// disk; a read-only target is refused as the shell refuses it.
bool SafeFile::Open(const std::string& path, std::string* error) {
    path_ = path;
    FollowLinks(path, &target_);
    struct _stat64 target {};
    const bool exists = _stat64(target_.c_str(), &target) == 0;
    if (exists && (target.st_mode & _S_IFDIR)) return Fail("cannot write", EISDIR, error);
    if (exists && !(target.st_mode & _S_IWRITE)) return Fail("cannot write", EACCES, error);
    // A device (NUL, CON) has nothing to keep whole: it is written to directly.
    if (exists && !(target.st_mode & _S_IFREG)) {
        fd_ = _open(target_.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
        direct_ = fd_ >= 0;
        return direct_ || Fail("cannot write", errno, error);
    }
    RemoveStaleTemporaries(target_);
    fd_ = CreateTemporaryBeside(target_, &temporary_);
    if (fd_ < 0) {
        temporary_.clear();
        return Fail("cannot create a file in " + FolderOf(target_), errno, error);
    }
    buffer_.reserve(kWriteBuffer);
    return true;
}

bool SafeFile::WriteOut(const char* bytes, std::size_t size) {
    while (size > 0) {
        const unsigned piece = static_cast<unsigned>(size < kWriteBuffer ? size : kWriteBuffer);
        const int done = _write(fd_, bytes, piece);
        if (done <= 0) return false;
        bytes += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

bool SafeFile::Commit(std::string* error) {
    if (fd_ < 0) return Fail("cannot write", EBADF, error);
    if (!Flush()) return Fail("cannot write", writeErrno_, error);
    if (direct_) {
        const int closed = _close(fd_);
        fd_ = -1;
        return closed == 0 || Fail("cannot write", errno, error);
    }
    if (_commit(fd_) != 0) return Fail("cannot write", errno, error);
    const int closed = _close(fd_);
    fd_ = -1;
    if (closed != 0) return Fail("cannot write", errno, error);
    if (!MoveFileExA(temporary_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Fail("cannot replace", GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO, error);
    temporary_.clear();
    return true;
}

bool SafeFile::Fail(const std::string& what, int reason, std::string* message) {
    *message = path_ + ": " + what + ": " + std::strerror(reason);
    if (fd_ >= 0) _close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) _unlink(temporary_.c_str());
    temporary_.clear();
    return false;
}

SafeFile::~SafeFile() {
    if (fd_ >= 0) _close(fd_);
    if (!temporary_.empty()) _unlink(temporary_.c_str());
}

}  // namespace host
