#include "host/svg/svg_document_colors.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

double Unit(float v) {
    return std::isfinite(v) ? std::clamp(static_cast<double>(v), 0.0, 1.0) : 0.0;
}

// Whether the component is exactly what "#rrggbb" gives back.
bool IsByteValue(float v) {
    double scaled = static_cast<double>(v) * 255.0;
    double rounded = std::round(scaled);
    return rounded >= 0 && rounded <= 255 && static_cast<float>(rounded / 255.0) == v;
}

std::string Components(const float* v, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += " " + FormatFloat(v[i]);
    return text;
}

// A component as the document holds it: nominally 0..1, but kept as written when a
// document held a stranger value, so that it comes back unchanged.
bool IsComponent(double v) {
    return std::fabs(v) <= kLargestCoordinate;
}

// Reads `count` components from the scanner; false when one is missing or unreadable.
bool ReadComponents(NumberScanner& scanner, float* v, int count) {
    for (int i = 0; i < count; ++i) {
        auto value = scanner.ReadNumber();
        if (!value || !IsComponent(*value)) return false;
        v[i] = static_cast<float>(*value);
    }
    return true;
}

}  // namespace

Rgb VisibleRgb(const Color& c) {
    switch (c.kind) {
        case Color::Kind::Gray:
            return Rgb{1 - Unit(c.v[0]), 1 - Unit(c.v[0]), 1 - Unit(c.v[0])};
        case Color::Kind::RGB:
            return Rgb{Unit(c.v[0]), Unit(c.v[1]), Unit(c.v[2])};
        case Color::Kind::CMYK: {
            double white = 1 - Unit(c.v[3]);
            return Rgb{(1 - Unit(c.v[0])) * white, (1 - Unit(c.v[1])) * white,
                       (1 - Unit(c.v[2])) * white};
        }
        case Color::Kind::Custom:
            return Rgb{Unit(c.tint), Unit(c.tint), Unit(c.tint)};
        case Color::Kind::None:
            break;
    }
    return Rgb{};
}

Color RgbColor(const Rgb& rgb) {
    Color color;
    color.kind = Color::Kind::RGB;
    color.v[0] = static_cast<float>(rgb.r);
    color.v[1] = static_cast<float>(rgb.g);
    color.v[2] = static_cast<float>(rgb.b);
    return color;
}

std::string ColorRecord(const Color& c, bool shownAsHex) {
    switch (c.kind) {
        case Color::Kind::Gray:
            return "gray" + Components(c.v, 1);
        case Color::Kind::RGB:
            if (shownAsHex && IsByteValue(c.v[0]) && IsByteValue(c.v[1]) && IsByteValue(c.v[2]) &&
                c.v[3] == 0)
                return "";
            return "rgb" + Components(c.v, 3);
        case Color::Kind::CMYK:
            return "cmyk" + Components(c.v, 4);
        case Color::Kind::Custom:
            return "custom " + FormatFloat(c.tint) + " " + c.customName.str();
        case Color::Kind::None:
            break;
    }
    return "";
}

std::optional<Color> ParseColorRecord(std::string_view record) {
    record = Trim(record);
    std::size_t space = record.find(' ');
    std::string_view kind = record.substr(0, space);
    NumberScanner scanner(space == std::string_view::npos ? std::string_view()
                                                          : record.substr(space));
    scanner.SkipSpaces();
    Color color;
    if (kind == "custom") {
        auto tint = scanner.ReadNumber();
        if (!tint || !IsComponent(*tint) || scanner.AtEnd()) return std::nullopt;
        color.kind = Color::Kind::Custom;
        color.tint = static_cast<float>(*tint);
        color.customName = std::string(scanner.Rest());
        return color;
    }
    static const std::pair<const char*, std::pair<Color::Kind, int>> kinds[] = {
        {"gray", {Color::Kind::Gray, 1}},
        {"rgb", {Color::Kind::RGB, 3}},
        {"cmyk", {Color::Kind::CMYK, 4}}};
    for (const auto& [word, shape] : kinds) {
        if (kind != word) continue;
        color.kind = shape.first;
        if (!ReadComponents(scanner, color.v, shape.second) || !scanner.AtEnd())
            return std::nullopt;
        return color;
    }
    return std::nullopt;
}

}  // namespace host::svg
