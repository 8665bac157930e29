#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "host/svg/svg_file_text.h"

namespace host::svg {

bool FileText::Read(const std::string& path, std::string* error,
                    const std::function<void(std::string_view piece)>& onPiece) {
    const int fd = _open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        *error = path + ": cannot open: " + std::strerror(errno);
        return false;
    }
    struct _stat64 status {};
    std::size_t size = 0;
    if (_fstat64(fd, &status) == 0 && (status.st_mode & _S_IFREG) && status.st_size > 0)
        size = static_cast<std::size_t>(status.st_size);
    Reserve(size + 1);
    for (;;) {
        if (size_ == capacity_) Reserve(capacity_ * 2);
        const std::size_t room = capacity_ - size_;
        const int got = _read(fd, data() + size_,
                              static_cast<unsigned>(room < kPieceBytes ? room : kPieceBytes));
        if (got == 0) break;
        if (got < 0) {
            _close(fd);
            *error = path + ": cannot read";
            return false;
        }
        if (onPiece) onPiece({data() + size_, static_cast<std::size_t>(got)});
        size_ += static_cast<std::size_t>(got);
    }
    _close(fd);
    return true;
}

// The buffer is the heap's: its pages stay until it is freed.
void ReleasePages(char*, char*) {}

}  // namespace host::svg
