// Reading a parsed SVG tree into a new document.
#pragma once

#include <memory>

#include "host/document/document.h"
#include "host/svg/svg_context.h"

namespace host::svg {

/// The document of the drawing whose root element is `root`. Its size is the
/// drawing's width and height in points, y grows upwards. Top-level groups marked as
/// layers (Inkscape's or the host's marker) become layers; other top-level art goes
/// into one layer "Calque 1". Throws ReadFailure; warnings go to `context`.
std::unique_ptr<Document> ReadSvgTree(const pugi::xml_node& root, ReaderContext& context);

}  // namespace host::svg
