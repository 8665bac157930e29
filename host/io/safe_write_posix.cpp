#include "host/io/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "host/io/temporary_files.h"

namespace host {

namespace {

// The permission bits a new file gets: what the shell's `>` would give it.
mode_t NewFileMode() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0) return 0666 & ~std::stoul(line.substr(6), nullptr, 8);
    return 0644;
}

bool WriteAll(int fd, const char* bytes, std::size_t size, off_t* at = nullptr) {
    while (size > 0) {
        const ssize_t done = at ? ::pwrite(fd, bytes, size, *at) : ::write(fd, bytes, size);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        bytes += done;
        size -= static_cast<std::size_t>(done);
        if (at) *at += done;
    }
    return true;
}

// Makes the rename itself survive a crash of the machine.
void SyncFolder(const std::string& path) {
    const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return;
    ::fsync(folder);
    ::close(folder);
}

}  // namespace

bool SafeFile::Open(const std::string& path, std::string* error) {
    path_ = path;
    if (!FollowLinks(path, &target_)) return Fail("cannot follow its links", errno, error);
    struct stat target {};
    const bool exists = ::stat(target_.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) return Fail("cannot write", EISDIR, error);
    if (exists && ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0)
        return Fail("cannot write", errno, error);
    // A device or a pipe has nothing to keep whole: it is written to as the shell would.
    if (exists && !S_ISREG(target.st_mode)) {
        fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
        direct_ = fd_ >= 0;
        return direct_ || Fail("cannot write", errno, error);
    }
    RemoveStaleTemporaries(target_);
    fd_ = CreateTemporaryBeside(target_, &temporary_);
    if (fd_ < 0) {
        temporary_.clear();
        return Fail("cannot create a file in " + FolderOf(target_), errno, error);
    }
    struct stat made {};
    ::fstat(fd_, &made);
    // Another name of the file, or an owner the temporary cannot take, would be lost
    // by a rename: such a file is overwritten once the whole content is at hand.
    inPlace_ = exists && (target.st_nlink > 1 ||
                          ((target.st_uid != made.st_uid || target.st_gid != made.st_gid) &&
                           ::fchown(fd_, target.st_uid, target.st_gid) != 0));
    if (::fchmod(fd_, exists ? target.st_mode & 07777 : NewFileMode()) != 0)
        return Fail("cannot set the permissions of " + temporary_, errno, error);
    buffer_.reserve(kWriteBuffer);
    return true;
}

bool SafeFile::WriteOut(const char* bytes, std::size_t size) {
    return WriteAll(fd_, bytes, size);
}

bool SafeFile::Commit(std::string* error) {
    if (fd_ < 0) return Fail("cannot write", EBADF, error);
    if (!Flush()) return Fail("cannot write", writeErrno_, error);
    if (direct_) {
        const int closed = ::close(fd_);
        fd_ = -1;
        return closed == 0 || Fail("cannot write", errno, error);
    }
    if (::fsync(fd_) != 0) return Fail("cannot write", errno, error);
    if (inPlace_) return ReplaceInPlace(error);
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) return Fail("cannot write", errno, error);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        return Fail("cannot replace", errno, error);
    temporary_.clear();
    SyncFolder(target_);
    return true;
}

bool SafeFile::ReplaceInPlace(std::string* error) {
    const off_t size = ::lseek(fd_, 0, SEEK_END);
    const int out = ::open(target_.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (size < 0 || out < 0) return Fail("cannot write", errno, error);
    // The room is taken first, so that a full disk leaves the file as it was.
    if (::fallocate(out, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP) {
        const int reason = errno;
        ::close(out);
        return Fail("cannot write", reason, error);
    }
    std::vector<char> chunk(kWriteBuffer);
    off_t read = 0, written = 0;
    bool ok = true;
    while (ok && read < size) {
        const ssize_t got = ::pread(fd_, chunk.data(), chunk.size(), read);
        ok = got > 0 && WriteAll(out, chunk.data(), static_cast<std::size_t>(got), &written);
        read += got > 0 ? got : 0;
    }
    ok = ok && ::ftruncate(out, size) == 0 && ::fsync(out) == 0;
    const int reason = errno;
    ok = ::close(out) == 0 && ok;
    if (ok) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
        return true;
    }
    // The file is damaged: the whole content is kept under a name no run removes.
    const std::string whole = target_ + ".new";
    const bool kept = ::link(temporary_.c_str(), whole.c_str()) == 0;
    *error = path_ + ": written in part: " + std::strerror(reason) + "; the whole content is in " +
             (kept ? whole : temporary_);
    if (kept) ::unlink(temporary_.c_str());
    temporary_.clear();
    return false;
}

bool SafeFile::Fail(const std::string& what, int reason, std::string* message) {
    *message = path_ + ": " + what + ": " + std::strerror(reason);
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    return false;
}

SafeFile::~SafeFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

}  // namespace host
