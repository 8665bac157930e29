// Exact conversions between Windows-1252, the plug-in's 8-bit text, and UTF-8.
#pragma once

#include <string>

namespace host {

/// Every byte becomes its character; 0x80-0x9F are the typographic characters of the
/// code page (0x92 U+2019, 0x85 U+2026, 0x80 U+20AC ...). The five bytes the code page
/// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
/// the same number, so that no byte is lost.
std::string Windows1252ToUtf8(const std::string& text);

/// Characters that Windows-1252 lacks, and malformed UTF-8, become '?'.
std::string Utf8ToWindows1252(const std::string& text);

/// The length of the longest prefix of `utf8` no longer than `limit` bytes that ends on
/// a character boundary.
std::size_t Utf8PrefixLength(const std::string& utf8, std::size_t limit);

/// The code points of a UTF-8 text; a malformed byte becomes U+FFFD.
std::u32string Utf8CodePoints(const std::string& utf8);

/// Number of characters (code points) of a UTF-8 text; a malformed byte counts as one.
std::size_t Utf8CharacterCount(const std::string& utf8);

}  // namespace host
