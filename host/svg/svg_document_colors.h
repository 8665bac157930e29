// The document's colours (grey, RGB, CMYK, custom) against SVG's RGB: what a colour
// looks like on screen, and the exact record kept beside it in the host's namespace.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/document/art.h"
#include "host/svg/svg_color.h"

namespace host::svg {

/// How the colour shows on screen. Grey is an amount of black ink (1 = black); CMYK
/// mixes without a profile; a custom colour, whose inks the document does not hold,
/// shows as its tint of black (tint 0 = full colour).
Rgb VisibleRgb(const Color& color);

/// The colour of a plain SVG colour (components rounded to single precision).
Color RgbColor(const Rgb& rgb);

/// The record of the exact colour ("gray G", "cmyk C M Y K", "rgb R G B",
/// "custom TINT NAME"); "" for no colour, and for an RGB colour that the #rrggbb
/// written beside it (`shownAsHex`) already says exactly.
std::string ColorRecord(const Color& color, bool shownAsHex);

/// The colour of a record; nullopt when the record is malformed.
std::optional<Color> ParseColorRecord(std::string_view record);

}  // namespace host::svg
