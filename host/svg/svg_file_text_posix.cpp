#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "host/svg/svg_file_text.h"

namespace host::svg {

bool FileText::Read(const std::string& path, std::string* error,
                    const std::function<void(std::string_view piece)>& onPiece) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *error = path + ": cannot open: " + std::strerror(errno);
        return false;
    }
    struct stat status {};
    std::size_t size = 0;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0)
        size = static_cast<std::size_t>(status.st_size);
    // A directory reads as nothing, as a stream reads it.
    const bool directory = S_ISDIR(status.st_mode);
    Reserve(size + 1);
    while (!directory) {
        if (size_ == capacity_) Reserve(capacity_ * 2);
        const ssize_t got = ::read(fd, data() + size_, std::min(capacity_ - size_, kPieceBytes));
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            *error = path + ": cannot read";
            return false;
        }
        if (onPiece) onPiece({data() + size_, static_cast<std::size_t>(got)});
        size_ += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return true;
}

// The whole pages of [begin, end) handed back to the system (they read as zeros after).
void ReleasePages(char* begin, char* end) {
    static const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) / page * page;
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) / page * page;
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

}  // namespace host::svg
