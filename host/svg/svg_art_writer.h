// Writing the document's art as SVG elements. Coordinates are written as the document
// holds them (points, y upwards): each layer group flips the page.
#pragma once

#include <pugixml.hpp>

#include "host/document/art.h"
#include "host/svg/svg_kept_writer.h"

namespace host::svg {

/// Appends `art` (a group with its children, a path or a point text, or an element kept
/// whole) to `parent`, whose content is written in `outer`, with what the file kept of it.
void WriteArt(pugi::xml_node parent, const Art& art, const WriteSpace& outer);

/// The path data of the segments: every segment written out, the closing one too,
/// so that reading it back gives the same anchors; in the coordinates of `space` when
/// there is one (the path is then written with that space as its transform).
std::string PathData(const std::vector<AIPathSegment>& segments, bool closed,
                     const StrokeSpace* space = nullptr);

}  // namespace host::svg
