// Characters and words as CSS reads them, shared by the style sheet reader, the
// selectors and the cascade.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace host::svg {

/// CSS's white space: space, tab, line feed, carriage return, form feed.
inline bool IsCssSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

/// The text with ASCII letters in lower case (CSS keywords ignore case, names do not).
inline std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

/// Calls `visit` with each word of a white-space-separated list until it returns true;
/// whether one did.
template <class Visit>
bool AnyWord(std::string_view words, Visit&& visit) {
    for (std::size_t pos = 0; pos < words.size();) {
        while (pos < words.size() && IsCssSpace(words[pos])) ++pos;
        std::size_t end = pos;
        while (end < words.size() && !IsCssSpace(words[end])) ++end;
        if (end > pos && visit(words.substr(pos, end - pos))) return true;
        pos = end;
    }
    return false;
}

}  // namespace host::svg
