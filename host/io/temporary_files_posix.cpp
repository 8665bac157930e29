#include "host/io/temporary_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>

#include "host/io/temporary_names.h"

namespace host {

namespace {

constexpr int kMostLinksFollowed = 40;  // as the system's own path lookup

std::string NameOf(const std::string& path) {
    return LastNameOf(path, "/");
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool FollowLinks(const std::string& path, std::string* target) {
    std::string at = path;
    for (int hop = 0; hop <= kMostLinksFollowed; ++hop) {
        struct stat status {};
        if (::lstat(at.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            *target = at;
            return true;
        }
        std::string link(static_cast<std::size_t>(status.st_size) + 256, '\0');
        const ssize_t length = ::readlink(at.c_str(), link.data(), link.size());
        if (length < 0) return false;
        link.resize(static_cast<std::size_t>(length));
        at = link.front() == '/' || at.find('/') == std::string::npos ? link
                                                                      : FolderOf(at) + "/" + link;
    }
    errno = ELOOP;
    return false;
}

int CreateTemporaryBeside(const std::string& target, std::string* temporary) {
    const std::string stem =
        FolderOf(target) + "/." + NameOf(target) + "." + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary = stem + RandomTemporaryWord() + std::string(kTemporarySuffix);
        const int fd =
            ::open(temporary->c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void RemoveStaleTemporaries(const std::string& target) {
    const std::string folder = FolderOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::string prefix = "." + NameOf(target) + ".";
    while (const dirent* entry = ::readdir(dir)) {
        const auto owner = static_cast<pid_t>(TemporaryOwner(entry->d_name, prefix));
        // A process that still runs may be writing it; one that ended never will.
        if (owner <= 0 || owner == ::getpid() || ::kill(owner, 0) == 0 || errno != ESRCH) continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat status {};
        if (::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid())
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

}  // namespace host
