// The bounds of a point text from the real glyph advances and the font's ascent and
// descent.
#pragma once

#include "host/document/art.h"
#include "host/fonts/font_catalog.h"

namespace host {

/// The width of one line of text at `size` points with `tracking` (thousandths of an
/// em added between characters), in points.
double LineWidth(FontFace* face, const std::u32string& line, double size, int tracking);

/// The bounds (document points, y upwards: top > bottom) of a point text: every line
/// placed by its justification about the anchor, the first baseline raised by the
/// baseline shift and each next one its line step × size lower, from the font's descent to its
/// ascent; then the box's corners taken through the text's matrix.
AIRealRect PointTextBounds(const Art& text, FontCatalog& fonts);

}  // namespace host
