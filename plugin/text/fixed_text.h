// A zero-terminated 8-bit text in a buffer of fixed size: labels and number texts are
// composed without allocating while a tool tracks the mouse.
#pragma once

#include <cstddef>

namespace quill {

/// Holds at most Capacity - 1 characters (Windows-1252) and a terminating zero. What
/// does not fit is dropped, so a text is always terminated and never overruns.
template <int Capacity>
class FixedText {
    static_assert(Capacity > 1, "room for one character and the terminator");

 public:
    FixedText() = default;

    const char* c_str() const { return chars_; }
    int length() const { return length_; }
    bool empty() const { return length_ == 0; }

    void Clear() {
        length_ = 0;
        chars_[0] = '\0';
    }
    void Append(char c) {
        if (length_ >= Capacity - 1) return;
        chars_[length_++] = c;
        chars_[length_] = '\0';
    }
    void Append(const char* text) {
        if (!text) return;
        while (*text) Append(*text++);
    }

 private:
    char chars_[Capacity] = {};
    int length_ = 0;
};

}  // namespace quill
