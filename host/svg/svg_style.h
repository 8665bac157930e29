// The properties that SVG elements inherit from their groups, and how an element's
// presentation attributes and `style` declarations change them.
#pragma once

#include <string>
#include <vector>

#include "host/fonts/font_description.h"
#include "host/svg/svg_color.h"
#include "host/svg/svg_context.h"
#include "host/svg/svg_length.h"

namespace host::svg {

/// Computed properties. Lengths are user units of the element where they were set
/// (SVG inherits the number, not its size on the page).
struct Style {
    Paint fill = BlackPaint();
    Paint stroke;  // none
    Rgb color;     // currentColor
    double strokeWidth = 1;
    int cap = 0;   // kAIButtCap, kAIRoundCap, kAIProjectingCap
    int join = 0;  // kAIMiterJoin, kAIRoundJoin, kAIBevelJoin
    double miterLimit = 4;
    std::vector<double> dashes;
    double dashOffset = 0;
    bool evenOdd = false;
    bool visible = true;  // visibility
    std::string fontFamily;
    int fontWeight = 400;  // 1 to 1000
    FontSlant fontSlant = FontSlant::Upright;
    double fontSize = 16;
    int textAnchor = 0;  // kLeftJustify (start), kCenterJustify (middle), kRightJustify (end)
    double letterSpacing = 0;
    double fillOpacity = 1;  // 0 transparent to 1 opaque
    double strokeOpacity = 1;

    // Not inherited: reset for each element before its own declarations apply.
    bool displayNone = false;
    double baselineShift = 0;  // user units, upwards
    double opacity = 1;        // of the element as a whole, its children included
    /// The element's own declarations of properties the document has no word for
    /// (clipping, masks, filters, markers, blending...), as CSS: "clip-path:url(#c);".
    /// Inherited ones among them reach the children through the element in the file.
    std::string unmodeled;

    static Paint BlackPaint();
};

/// The style of `node`: the parent's inherited properties, then the element's
/// presentation attributes, the document's style sheets, its `style` declarations, and
/// the important declarations of the sheets and of `style`. Values that cannot be read
/// are ignored with a warning; a length with an unknown unit fails the file.
Style CascadeStyle(const Style& parent, const pugi::xml_node& node, const LengthContext& lengths,
                   ReaderContext& context);

/// The value an element declares for any property (after the cascade of its attribute,
/// the style sheets and its `style` declarations), or "" when it declares none.
std::string DeclaredValue(const pugi::xml_node& node, std::string_view property,
                          const ReaderContext& context);

/// The font families of a CSS list, first first, without quotes.
std::vector<std::string> FontFamilies(const std::string& list);

}  // namespace host::svg
