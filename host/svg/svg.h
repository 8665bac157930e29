// Drawings as SVG files: reading one into a document, writing a document out.
#pragma once

#include <memory>
#include <string>

#include "host/document/document.h"

namespace host {

/// Reads an SVG drawing: the document's page is the drawing's width and height in
/// points, y upwards. On failure returns nullptr and sets `error` to one line
/// "FILE:LINE: <element id=...>: reason" (or "FILE:LINE:COLUMN: malformed XML: ...").
/// What the host cannot represent is skipped, each with one line in `warnings`
/// ("FILE:LINE: <element id=...>: skipped: reason"), lines separated by '\n'.
std::unique_ptr<Document> LoadSvgDocument(const std::string& path, std::string* error,
                                          std::string* warnings);

/// Writes the document as SVG (points as user units; names, tags, attributes, exact
/// colours and layer states in the namespace https://quill.invalid/ns/1). The file is
/// replaced only once written whole; false with `error` set when it cannot be written.
bool SaveSvgDocument(const Document& document, const std::string& path, std::string* error);

}  // namespace host
