// The tags that keep a set of segment dimensions together: every member's line pieces
// carry the set's name and where the member's line stands.
#pragma once

#include <optional>
#include <string>

#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/set_line.h"
#include "sdk/types.h"

namespace quill {

/// Writes the set's name and the member's line on the line pieces of `pieces`.
AIErr TagSetMember(const DimensionSlot& pieces, const std::string& setName, const SetLine& line);

/// The line a member's piece carries; nothing for a piece of no set.
std::optional<SetLine> SetLineOf(AIArtHandle piece);

/// The name of the set a piece belongs to; empty for none.
std::string SetNameOf(AIArtHandle piece);

/// A name no set of the drawing has: one more than the largest.
std::string NewSetName();

}  // namespace quill
