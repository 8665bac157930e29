#include "app/serve/work_folder.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace quill::serve {

namespace {

constexpr char kPrefix[] = "quill-serve-";

// The process of a folder named "quill-serve-PID-XXXXXX", or 0.
pid_t OwnerOf(const std::string& name) {
    const std::string prefix = kPrefix;
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    pid_t pid = 0;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (c == '-') return i > prefix.size() ? pid : 0;
        if (c < '0' || c > '9' || pid > 4'000'000) return 0;
        pid = pid * 10 + (c - '0');
    }
    return 0;
}

}  // namespace

bool MakeWorkFolder(std::string* folder, std::string* error) {
    *folder = (std::filesystem::temp_directory_path() /
               (kPrefix + std::to_string(::getpid()) + "-XXXXXX"))
                  .string();
    if (::mkdtemp(folder->data())) return true;
    *error = "cannot make a working folder in " +
             std::filesystem::path(*folder).parent_path().string() + ": " + std::strerror(errno);
    return false;
}

void RemoveStaleWorkFolders(const std::string& tempDir) {
    std::error_code failed;
    for (const auto& entry : std::filesystem::directory_iterator(tempDir, failed)) {
        const pid_t owner = OwnerOf(entry.path().filename().string());
        // A server that still runs uses its folder; only one whose process is gone is
        // removed, and only a folder of this user.
        if (owner <= 0 || owner == ::getpid() || ::kill(owner, 0) == 0 || errno != ESRCH) continue;
        struct stat status {};
        if (::lstat(entry.path().c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
            status.st_uid != ::geteuid())
            continue;
        std::error_code ignored;
        std::filesystem::remove_all(entry.path(), ignored);
    }
}

}  // namespace quill::serve
