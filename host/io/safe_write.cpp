// What writing a file safely does the same way on every platform: the bytes gathered and
// handed to the system in large pieces.
#include "host/io/safe_write.h"

#include <cerrno>

namespace host {

void SafeFile::Write(const void* bytes, std::size_t size) {
    if (fd_ < 0 || writeErrno_ != 0) return;
    const char* from = static_cast<const char*>(bytes);
    if (buffer_.size() + size > kWriteBuffer && !Flush()) return;
    if (size >= kWriteBuffer) {
        if (!WriteOut(from, size)) writeErrno_ = errno;
        return;
    }
    buffer_.insert(buffer_.end(), from, from + size);
}

bool SafeFile::Flush() {
    if (!buffer_.empty() && !WriteOut(buffer_.data(), buffer_.size())) writeErrno_ = errno;
    buffer_.clear();
    return writeErrno_ == 0;
}

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string* error) {
    SafeFile file;
    if (!file.Open(path, error)) return false;
    file.Write(bytes.data(), bytes.size());
    return file.Commit(error);
}

}  // namespace host
