// How a style sheet names one face of the host's fonts: the family that fontconfig
// resolves to that face, with its weight and slant. "C059 Bold" is family C059, weight
// bold; a font the system does not have keeps its name (but for the style words after
// the hyphen of a PostScript name, "Helvetica-BoldOblique", read as weight and slant),
// and a generic family stands in after it.
#pragma once

#include <string>
#include <vector>

namespace host {

enum class FontSlant { Upright, Italic, Oblique };

struct FontDescription {
    std::string family;
    int weight = 400;  // 100 to 900, in hundreds
    FontSlant slant = FontSlant::Upright;
    bool installed = false;
    /// The generic family written after a family the system does not have.
    const char* generic = "sans-serif";
};

/// The description of the font of that full name.
FontDescription DescribeFont(const std::string& fullName);

/// The full name of the face that a style sheet's families, weight and slant name: the
/// installed face of the first installed family, else the first family with the style's
/// words after a hyphen ("Helvetica-BoldItalic").
std::string FullFontName(const std::vector<std::string>& families, int weight, FontSlant slant);

/// The `font-family` value: the family quoted, then the generic one when the family is
/// not installed; only the generic one for a font without a name.
std::string CssFontFamily(const FontDescription& font);
/// "normal", "bold" or the weight's number.
std::string CssFontWeight(int weight);
/// "normal", "italic" or "oblique".
const char* CssFontStyle(FontSlant slant);

}  // namespace host
