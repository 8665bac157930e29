// The records the host writes inside a compound path's <path>: one element per member,
// in the order of the contours, with what the path data cannot say about that member.
#pragma once

#include <pugixml.hpp>
#include <vector>

#include "host/svg/svg_context.h"

namespace host::svg {

/// The member records among the element's children, in order (none in other files).
std::vector<pugi::xml_node> MemberRecords(const ReaderContext& context, const pugi::xml_node& path);

}  // namespace host::svg
