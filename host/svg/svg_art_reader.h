// What every imported art takes from its element: name, tags, attributes, paint.
#pragma once

#include "host/document/document.h"
#include "host/svg/svg_context.h"
#include "host/svg/svg_style.h"

namespace host::svg {

/// Where an element is read: its user space and inherited properties.
struct Frame {
    Matrix ctm;  // the element's user space to document points, y upwards
    Style style;
    LengthContext lengths;  // the nearest viewport, in user units
};

/// The frame of `node` inside `parent`: its style cascaded and its transform applied.
/// Fails the file on a malformed transform.
Frame ChildFrame(const pugi::xml_node& node, const Frame& parent, ReaderContext& context);

/// Sets the art's name (the host's record, else inkscape:label, else the id but in the
/// host's own files), its
/// tags and its attributes (the host's record, else hidden when `display:none` or
/// `visibility:hidden`).
void ReadArtIdentity(const pugi::xml_node& node, const Style& style, ReaderContext& context,
                     Art* art);

/// The paint of a path: colours (with the exact colours the host recorded), stroke
/// width and dashes scaled from user units to points by `ctm`, caps, joins, miter
/// limit, fill rule, overprints.
PaintStyle ReadPaintStyle(const pugi::xml_node& node, const Style& style, const Matrix& ctm,
                          ReaderContext& context);

/// The fill colour of a text; a Color of kind None when the text is not filled.
Color ReadTextFill(const pugi::xml_node& node, const Style& style, ReaderContext& context);

}  // namespace host::svg
