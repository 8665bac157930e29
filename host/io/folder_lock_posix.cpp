#include "host/io/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/io/temporary_files.h"

namespace host {

FolderLock::FolderLock(const std::string& path, std::string* error) {
    std::string target;
    const std::string folder = FolderOf(FollowLinks(path, &target) ? target : path);
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int reason = errno;
    if (fd_ >= 0) {
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno == EINTR) continue;
            reason = errno;
            ::close(fd_);
            fd_ = -1;
            break;
        }
    }
    if (fd_ < 0) *error = folder + ": cannot be locked: " + std::strerror(reason);
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace host
