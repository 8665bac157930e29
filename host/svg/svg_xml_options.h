// How a drawing's text is parsed: whitespace-only text kept (it may be a text's content)
// and comments kept (they stay where they were among the art).
#pragma once

#include <pugixml.hpp>

namespace host::svg {

constexpr unsigned kXmlParseOptions =
    pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_comments;

}  // namespace host::svg
