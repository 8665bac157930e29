// Small conveniences over the host's art, tag and matching-art suites, shared by the
// builders, the tools and the links. Failures read as absence; IsValidArt alone raises.
#pragma once

#include <cstddef>
#include <vector>

#include "sdk/sdk.h"

namespace quill {

/// Whether the handle names live art of the document, searching every layer list.
/// An unset or stale handle is simply not valid; a host that cannot tell raises
/// ai::Error with its code.
bool IsValidArt(AIArtHandle art);

/// Whether the art carries a string tag of that name.
bool HasTag(AIArtHandle art, const char* name);
/// The tag's value into `value` (zero-terminated); false when absent or unreadable.
bool ReadTag(AIArtHandle art, const char* name, char* value, std::size_t size);
AIErr WriteTag(AIArtHandle art, const char* name, const char* value);
AIErr RemoveTag(AIArtHandle art, const char* name);

/// Copies every tag of `from` onto `to`, except the one named `except`.
AIErr CopyTags(AIArtHandle from, AIArtHandle to, const char* except);

/// Every path of the document that is not locked, in the host's order.
std::vector<AIArtHandle> UnlockedPaths();

/// Every path of the document, locked and hidden ones included, in the host's order; the
/// host's code in `error` when given (no path when the host fails).
std::vector<AIArtHandle> AllPaths(AIErr* error = nullptr);

}  // namespace quill
