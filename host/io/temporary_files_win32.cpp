#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <string_view>

#include "host/io/temporary_files.h"
#include "host/io/temporary_names.h"

namespace host {

namespace {

// Either slash separates folders on Windows.
std::size_t LastSeparator(const std::string& path) {
    return path.find_last_of("/\\");
}

std::string NameOf(const std::string& path) {
    return LastNameOf(path, "/\\");
}

bool ProcessRuns(DWORD pid) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool runs = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return runs;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = LastSeparator(path);
    if (slash == std::string::npos) return ".";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

// The host makes no links on Windows: a path names its own file.
bool FollowLinks(const std::string& path, std::string* target) {
    *target = path;
    return true;
}

int CreateTemporaryBeside(const std::string& target, std::string* temporary) {
    const std::string stem = FolderOf(target) + "/." + NameOf(target) + "." +
                             std::to_string(GetCurrentProcessId()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary = stem + RandomTemporaryWord() + std::string(kTemporarySuffix);
        const int fd =
            _open(temporary->c_str(), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                  _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void RemoveStaleTemporaries(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string prefix = "." + NameOf(target) + ".";
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "/" + prefix + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const auto owner = static_cast<DWORD>(TemporaryOwner(entry.cFileName, prefix));
        // A process that still runs may be writing it; one that ended never will.
        if (owner == 0 || owner == GetCurrentProcessId() || ProcessRuns(owner)) continue;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + "/" + entry.cFileName).c_str());
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

}  // namespace host
