// A drawing's file read whole into one buffer, which the parser then works in, and the
// pages of it already read handed back to the system as reading goes on.
#pragma once

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace host::svg {

// A file's bytes, in a buffer that is not cleared before they are read into it.
class FileText {
 public:
    char* data() { return bytes_.get(); }
    std::size_t size() const { return size_; }
    std::string_view view() const { return {bytes_.get(), size_}; }

    // The whole file in one buffer, sized from the file's size (a pipe or a file that
    // grows while read is read to its end all the same). It comes in pieces the
    // processor's cache holds: `onPiece` sees each one just read, while it is there.
    bool Read(const std::string& path, std::string* error,
              const std::function<void(std::string_view piece)>& onPiece = nullptr);

 private:
    // Read at a time: what the processor's cache holds, so `onPiece` finds it there.
    static constexpr std::size_t kPieceBytes = std::size_t{256} << 10;

    void Reserve(std::size_t capacity) {
        std::unique_ptr<char[]> bytes(new char[capacity]);
        if (size_ > 0) std::memcpy(bytes.get(), bytes_.get(), size_);
        bytes_ = std::move(bytes);
        capacity_ = capacity;
    }
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0, capacity_ = 0;
};

/// Gives the whole pages of [begin, end) back to the system where it can take them early
/// (they read as zeros after); elsewhere they stay until the buffer goes.
void ReleasePages(char* begin, char* end);

}  // namespace host::svg
