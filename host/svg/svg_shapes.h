// The outlines of SVG's shape elements: path, rect (with rounded corners), circle,
// ellipse, line, polyline, polygon.
#pragma once

#include <optional>
#include <string_view>

#include "host/svg/svg_context.h"
#include "host/svg/svg_length.h"
#include "host/svg/svg_outline.h"

namespace host::svg {

/// Whether `name` is one of the shape elements.
bool IsShapeElement(std::string_view name);

/// The outline of a shape element in its user space. An empty outline for a shape that
/// draws nothing (zero radius or size, empty data). Fails the file (through `context`) on malformed
/// path data, an unknown unit or a number beyond kLargestCoordinate; warns about odd point lists.
Outline ShapeOutline(const pugi::xml_node& node, std::string_view name,
                     const LengthContext& lengths, ReaderContext& context);

/// A length attribute of `node` in user units; `fallback` when absent. Fails the file
/// on an unknown unit or a value that is no length.
double LengthAttribute(const pugi::xml_node& node, const char* attribute, LengthAxis axis,
                       const LengthContext& lengths, double fallback, ReaderContext& context);

}  // namespace host::svg
