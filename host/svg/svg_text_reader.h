// SVG `text` elements read as the document's point texts.
#pragma once

#include "host/svg/svg_art_reader.h"

namespace host::svg {

/// Reads `node` as a point text on top of `parent`. `frame` is the text's own frame
/// (its transform applied); `outerScale` is the mean scale of the frame around it,
/// taken out of the matrix and into the font size so that a text of a drawing in
/// millimetres still has its size in points. Lines (tspans that start a new line)
/// become paragraphs. Fails the file on an unknown unit or a coordinate out of range.
Art* ReadText(Document& document, Art* parent, const pugi::xml_node& node, const Frame& frame,
              double outerScale, ReaderContext& context);

}  // namespace host::svg
