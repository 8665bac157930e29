// Drawings as SVG files: reading one into a document, writing a document out.
#pragma once

#include <memory>
#include <string>

#include "host/document/document.h"

namespace host {

/// Reads an SVG drawing. On failure returns nullptr and sets `error` to one line
/// naming the file and the place; warnings (skipped elements) go to `warnings`.
std::unique_ptr<Document> LoadSvgDocument(const std::string& path, std::string* error,
                                          std::string* warnings);

/// Writes the document as SVG; false with `error` set when the file cannot be written.
bool SaveSvgDocument(const Document& document, const std::string& path, std::string* error);

}  // namespace host
