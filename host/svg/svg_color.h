// Colours and paints as SVG and CSS write them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace host::svg {

/// Components from 0 to 1.
struct Rgb {
    double r = 0, g = 0, b = 0;
    double alpha = 1;  // 0 transparent
};

/// A colour: a name of CSS's table (case-insensitive), #rgb, #rgba, #rrggbb, #rrggbbaa,
/// rgb() or rgba() with integers or percentages, hsl() or hsla(), with their alpha.
/// nullopt otherwise.
std::optional<Rgb> ParseColor(std::string_view text);

/// The value of `fill` or `stroke`.
struct Paint {
    enum class Kind { None, Color, CurrentColor, Reference };
    Kind kind = Kind::None;
    Rgb color;
    std::string reference;     // the id after "url(#", for Reference
    bool hasFallback = false;  // Reference: a colour or none follows the url()
    bool fallbackNone = false;
    Rgb fallback;
};

/// A paint: none, currentColor, a colour, or url(#id) with an optional fallback.
/// nullopt when the text is none of these.
std::optional<Paint> ParsePaint(std::string_view text);

/// The CSS colour of that lowercase name, or nullopt.
std::optional<Rgb> NamedColor(std::string_view lowercaseName);

/// "#rrggbb" of components rounded to 8 bits (clamped to 0..1).
std::string HexColor(const Rgb& color);

}  // namespace host::svg
