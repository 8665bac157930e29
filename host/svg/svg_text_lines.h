// How far apart a text's lines stand in its file.
#pragma once

#include <optional>
#include <pugixml.hpp>

#include "host/svg/svg_context.h"
#include "host/svg/svg_length.h"

namespace host::svg {

/// Whether the node is a tspan placed on its own line.
bool StartsLine(const pugi::xml_node& node, ReaderContext& context);

/// The step from the first line's baseline to the second's, in user units: the second
/// line's `y` against `firstY` (where the first line stands), plus its `dy`. nullopt for a
/// text of one line, or when the second line's position cannot be read.
std::optional<double> SecondLineStep(const pugi::xml_node& text, double firstY,
                                     const LengthContext& lengths, ReaderContext& context);

}  // namespace host::svg
