#include "host/text/windows1252.h"

#include <cstdint>

namespace host {

namespace {

// Code points of bytes 0x80 to 0x9F; the undefined ones keep their own number.
constexpr std::uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint32_t CodePointOfByte(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

void AppendUtf8(std::uint32_t cp, std::string* out) {
    if (cp < 0x80) {
        *out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out += static_cast<char>(0xC0 | (cp >> 6));
        *out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out += static_cast<char>(0xE0 | (cp >> 12));
        *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char ByteOfCodePoint(std::uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

/// Decodes one character at `i` and advances `i` past it. Malformed input yields
/// false and advances by one byte.
bool DecodeUtf8(const std::string& s, std::size_t* i, std::uint32_t* cp) {
    auto lead = static_cast<unsigned char>(s[*i]);
    int extra = 0;
    std::uint32_t value = lead;
    if (lead >= 0x80) {
        if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            value = lead & 0x1Fu;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            value = lead & 0x0Fu;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            value = lead & 0x07u;
        } else {
            ++*i;
            return false;
        }
    }
    for (int k = 1; k <= extra; ++k) {
        std::size_t at = *i + static_cast<std::size_t>(k);
        if (at >= s.size() || (static_cast<unsigned char>(s[at]) & 0xC0) != 0x80) {
            ++*i;
            return false;
        }
        value = (value << 6) | (static_cast<unsigned char>(s[at]) & 0x3Fu);
    }
    *i += static_cast<std::size_t>(extra) + 1;
    *cp = value;
    return true;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::string Windows1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (unsigned char byte : text) AppendUtf8(CodePointOfByte(byte), &out);
    return out;
}

std::string Utf8ToWindows1252(const std::string& text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::uint32_t cp = 0;
        out += DecodeUtf8(text, &i, &cp) ? ByteOfCodePoint(cp) : '?';
    }
    return out;
}

std::size_t Utf8PrefixLength(const std::string& utf8, std::size_t limit) {
    if (limit >= utf8.size()) return utf8.size();
    std::size_t end = limit;
    while (end > 0 && IsContinuation(static_cast<unsigned char>(utf8[end]))) --end;
    return end;
}

std::u32string Utf8CodePoints(const std::string& utf8) {
    std::u32string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::uint32_t cp = 0;
        out += DecodeUtf8(utf8, &i, &cp) ? static_cast<char32_t>(cp) : U'\uFFFD';
    }
    return out;
}

std::size_t Utf8CharacterCount(const std::string& utf8) {
    std::size_t count = 0, i = 0;
    while (i < utf8.size()) {
        std::uint32_t cp = 0;
        DecodeUtf8(utf8, &i, &cp);
        ++count;
    }
    return count;
}

}  // namespace host
