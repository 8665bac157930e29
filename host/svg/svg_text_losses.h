// What of a text from another editor the host's text cannot hold: it is told when the
// file is read, since saving writes the text as the host's one-style text of lines.
#pragma once

#include <pugixml.hpp>

#include "host/svg/svg_art_reader.h"
#include "host/svg/svg_context.h"

namespace host::svg {

/// Warns, once each, of what `text` (read in `frame`, its characters drawn in `used`)
/// draws that the host's text drops: positions or rotations of single characters, a
/// stroke, spans of characters styled apart, children that are no text.
void WarnTextLosses(const pugi::xml_node& text, const Frame& frame, const Style& used,
                    ReaderContext& context);

}  // namespace host::svg
