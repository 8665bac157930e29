#include "host/svg/svg_color.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

std::string Lowercase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<Rgb> HexNotation(std::string_view digits) {
    for (char c : digits)
        if (HexDigit(c) < 0) return std::nullopt;
    auto pair = [&](std::size_t i) {
        return (HexDigit(digits[i]) * 16 + HexDigit(digits[i + 1])) / 255.0;
    };
    auto single = [&](std::size_t i) { return HexDigit(digits[i]) * 17 / 255.0; };
    if (digits.size() == 3 || digits.size() == 4) return Rgb{single(0), single(1), single(2)};
    if (digits.size() == 6 || digits.size() == 8) return Rgb{pair(0), pair(2), pair(4)};
    return std::nullopt;
}

// rgb(...) or rgba(...): three integers (0-255) or three percentages, commas or spaces.
std::optional<Rgb> FunctionalNotation(std::string_view inside) {
    NumberScanner scanner(inside);
    scanner.SkipSpaces();
    double channels[3];
    for (double& channel : channels) {
        auto value = scanner.ReadNumber();
        if (!value) return std::nullopt;
        bool percent = scanner.Peek() == '%';
        if (scanner.Peek() == '%') {
            scanner.Advance();
            scanner.SkipSeparators();
        }
        channel = std::clamp(percent ? *value / 100 : *value / 255, 0.0, 1.0);
    }
    // An alpha, after a comma or a slash, is read and ignored.
    if (scanner.Peek() == '/') scanner.Advance(), scanner.SkipSpaces();
    if (scanner.ReadNumber() && scanner.Peek() == '%') scanner.Advance();
    scanner.SkipSpaces();
    if (!scanner.AtEnd()) return std::nullopt;
    return Rgb{channels[0], channels[1], channels[2]};
}

}  // namespace

std::optional<Rgb> ParseColor(std::string_view text) {
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    if (text.front() == '#') return HexNotation(text.substr(1));
    std::string lower = Lowercase(text);
    for (const char* function : {"rgb(", "rgba("}) {
        std::string_view prefix(function);
        if (lower.compare(0, prefix.size(), prefix) == 0 && lower.back() == ')')
            return FunctionalNotation(text.substr(prefix.size(), text.size() - prefix.size() - 1));
    }
    return NamedColor(lower);
}

std::optional<Paint> ParsePaint(std::string_view text) {
    text = Trim(text);
    std::string lower = Lowercase(text);
    Paint paint;
    if (lower == "none" || lower == "transparent") return paint;
    if (lower == "currentcolor") {
        paint.kind = Paint::Kind::CurrentColor;
        return paint;
    }
    if (lower.compare(0, 4, "url(") == 0) {
        auto close = text.find(')');
        if (close == std::string_view::npos) return std::nullopt;
        std::string_view target = Trim(text.substr(4, close - 4));
        if (!target.empty() && (target.front() == '"' || target.front() == '\''))
            target = target.substr(1, target.size() >= 2 ? target.size() - 2 : 0);
        if (target.empty() || target.front() != '#') return std::nullopt;
        paint.kind = Paint::Kind::Reference;
        paint.reference = std::string(target.substr(1));
        std::string_view rest = Trim(text.substr(close + 1));
        if (!rest.empty()) {
            auto fallback = ParsePaint(rest);
            if (!fallback || fallback->kind == Paint::Kind::Reference) return std::nullopt;
            paint.hasFallback = true;
            paint.fallbackNone = fallback->kind == Paint::Kind::None;
            paint.fallback = fallback->color;
        }
        return paint;
    }
    auto color = ParseColor(text);
    if (!color) return std::nullopt;
    paint.kind = Paint::Kind::Color;
    paint.color = *color;
    return paint;
}

std::string HexColor(const Rgb& color) {
    auto byte = [](double v) {
        return static_cast<int>(
            std::lround(std::clamp(std::isfinite(v) ? v : 0.0, 0.0, 1.0) * 255));
    };
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", byte(color.r), byte(color.g),
                  byte(color.b));
    return buffer;
}

}  // namespace host::svg
