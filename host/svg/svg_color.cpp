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
    if (digits.size() == 3) return Rgb{single(0), single(1), single(2)};
    if (digits.size() == 4) return Rgb{single(0), single(1), single(2), single(3)};
    if (digits.size() == 6) return Rgb{pair(0), pair(2), pair(4)};
    if (digits.size() == 8) return Rgb{pair(0), pair(2), pair(4), pair(6)};
    return std::nullopt;
}

// The alpha after the channels, after a comma or a slash: a number or a percentage.
std::optional<double> Alpha(NumberScanner& scanner) {
    if (scanner.Peek() == '/') scanner.Advance(), scanner.SkipSpaces();
    double alpha = 1;
    if (auto value = scanner.ReadNumber()) {
        alpha = *value;
        if (scanner.Peek() == '%') scanner.Advance(), alpha /= 100;
    }
    scanner.SkipSpaces();
    if (!scanner.AtEnd()) return std::nullopt;
    return std::clamp(alpha, 0.0, 1.0);
}

// rgb(...) or rgba(...): three integers (0-255) or three percentages, commas or spaces.
std::optional<Rgb> RgbNotation(std::string_view inside) {
    NumberScanner scanner(inside);
    scanner.SkipSpaces();
    double channels[3];
    for (double& channel : channels) {
        auto value = scanner.ReadNumber();
        if (!value) return std::nullopt;
        bool percent = scanner.Peek() == '%';
        if (scanner.Peek() == '%') scanner.Advance();
        scanner.SkipSeparators();
        channel = std::clamp(percent ? *value / 100 : *value / 255, 0.0, 1.0);
    }
    auto alpha = Alpha(scanner);
    if (!alpha) return std::nullopt;
    return Rgb{channels[0], channels[1], channels[2], *alpha};
}

// hsl(...) or hsla(...): a hue in degrees, then saturation and lightness in percent.
std::optional<Rgb> HslNotation(std::string_view inside) {
    NumberScanner scanner(inside);
    scanner.SkipSpaces();
    auto hue = scanner.ReadNumber();
    if (!hue) return std::nullopt;
    for (std::string_view unit : {"deg", "DEG"})
        if (scanner.Rest().substr(0, 3) == unit)
            for (int i = 0; i < 3; ++i) scanner.Advance();
    scanner.SkipSeparators();
    double parts[2];
    for (double& part : parts) {
        auto value = scanner.ReadNumber();
        if (!value || scanner.Peek() != '%') return std::nullopt;
        scanner.Advance();
        scanner.SkipSeparators();
        part = std::clamp(*value / 100, 0.0, 1.0);
    }
    auto alpha = Alpha(scanner);
    if (!alpha) return std::nullopt;
    const double h = std::fmod(std::fmod(*hue, 360) + 360, 360) / 60;
    const double s = parts[0], l = parts[1];
    const double chroma = (1 - std::fabs(2 * l - 1)) * s;
    const double x = chroma * (1 - std::fabs(std::fmod(h, 2) - 1));
    const double m = l - chroma / 2;
    const double rgb[6][3] = {{chroma, x, 0}, {x, chroma, 0}, {0, chroma, x},
                              {0, x, chroma}, {x, 0, chroma}, {chroma, 0, x}};
    const auto& sector = rgb[std::min(static_cast<int>(h), 5)];
    return Rgb{sector[0] + m, sector[1] + m, sector[2] + m, *alpha};
}

}  // namespace

std::optional<Rgb> ParseColor(std::string_view text) {
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    if (text.front() == '#') return HexNotation(text.substr(1));
    std::string lower = Lowercase(text);
    struct Function {
        std::string_view prefix;
        std::optional<Rgb> (*read)(std::string_view);
    };
    for (const Function& function :
         {Function{"rgb(", RgbNotation}, Function{"rgba(", RgbNotation},
          Function{"hsl(", HslNotation}, Function{"hsla(", HslNotation}}) {
        const std::string_view prefix = function.prefix;
        if (lower.compare(0, prefix.size(), prefix) == 0 && lower.back() == ')')
            return function.read(text.substr(prefix.size(), text.size() - prefix.size() - 1));
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
