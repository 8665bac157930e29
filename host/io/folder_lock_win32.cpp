#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "host/io/folder_lock.h"
#include "host/io/temporary_files.h"

namespace host {

// Windows locks files, not folders: the lock is taken on a small file of the folder's own,
// ".quill-lock", left in place for the next writer.
FolderLock::FolderLock(const std::string& path, std::string* error) {
    std::string target;
    const std::string folder = FolderOf(FollowLinks(path, &target) ? target : path);
    const std::string lockFile = folder + "/.quill-lock";
    HANDLE file = CreateFileA(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    OVERLAPPED whole{};
    if (file != INVALID_HANDLE_VALUE && LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &whole))
        fd_ = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDWR);
    if (fd_ < 0) {
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        *error = folder + ": cannot be locked: error " + std::to_string(GetLastError());
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) _close(fd_);  // closing the file releases its lock
}

}  // namespace host
