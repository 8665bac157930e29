// French texts are written in UTF-8 in the source and turned into the plug-in's
// 8-bit text (Windows-1252) at compile time, so that no escape sequence hides an accent:
//   constexpr Cp1252Literal kText("Décalage trop grand…");   kText.c_str()
#pragma once

#include <cstddef>

namespace quill {

/// The Windows-1252 byte of a code point, or '?' when the set lacks it.
constexpr char Cp1252FromCodePoint(unsigned codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    constexpr struct {
        unsigned codePoint;
        unsigned char byte;
    } kHigh[] = {{0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
                 {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
                 {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
                 {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
                 {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
                 {0x017E, 0x9E}, {0x0178, 0x9F}};
    for (const auto& entry : kHigh)
        if (entry.codePoint == codePoint) return static_cast<char>(entry.byte);
    return '?';
}

template <std::size_t N>
struct Cp1252Literal {
    char text[N] = {};

    constexpr explicit Cp1252Literal(const char (&utf8)[N]) {
        std::size_t out = 0;
        for (std::size_t i = 0; i < N && utf8[i] != '\0';) {
            auto byte = static_cast<unsigned char>(utf8[i]);
            unsigned codePoint = byte;
            std::size_t length = 1;
            if (byte >= 0xF0) {
                codePoint = byte & 0x07u;
                length = 4;
            } else if (byte >= 0xE0) {
                codePoint = byte & 0x0Fu;
                length = 3;
            } else if (byte >= 0xC0) {
                codePoint = byte & 0x1Fu;
                length = 2;
            }
            for (std::size_t k = 1; k < length && i + k < N; ++k)
                codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
            text[out++] = Cp1252FromCodePoint(codePoint);
            i += length;
        }
    }

    constexpr const char* c_str() const { return text; }
};

}  // namespace quill
