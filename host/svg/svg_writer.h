// Writing a document as an SVG tree, or straight as SVG text.
#pragma once

#include <functional>
#include <pugixml.hpp>

#include "host/document/document.h"

namespace host::svg {

/// Fills `xml` with the document: the page in points (1 user unit = 1 point), each
/// layer a group marked for Inkscape and for the host, flipped so that the art inside
/// keeps the document's coordinates (y upwards), art in stacking order.
/// `progress`, when given, hears now and then how much is written (0 … 1).
void WriteSvgTree(const Document& document, pugi::xml_document& xml,
                  const std::function<void(double done)>& progress = {});

/// Writes the text that saving WriteSvgTree's tree (indented by two spaces) gives, one
/// piece of art at a time, so that the whole tree is never held.
void WriteSvg(const Document& document, pugi::xml_writer& out,
              const std::function<void(double done)>& progress = {});

}  // namespace host::svg
