// Small conveniences over the host's art, tag and matching-art suites, shared by the
// builders, the tools and the links. Failures read as absence; IsValidArt alone raises.
#pragma once

#include <cstddef>

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

/// Paths the host matched, read in place in the host's list and freed with it: a large
/// drawing's list is not copied at every question.
class MatchedPaths {
 public:
    MatchedPaths() = default;
    MatchedPaths(AIArtHandle** matches, std::size_t count) : matches_(matches), count_(count) {}
    MatchedPaths(MatchedPaths&& other) noexcept : matches_(other.matches_), count_(other.count_) {
        other.matches_ = nullptr;
        other.count_ = 0;
    }
    MatchedPaths(const MatchedPaths&) = delete;
    MatchedPaths& operator=(const MatchedPaths&) = delete;
    MatchedPaths& operator=(MatchedPaths&&) = delete;
    ~MatchedPaths();

    const AIArtHandle* begin() const { return matches_ ? *matches_ : nullptr; }
    const AIArtHandle* end() const { return begin() + count_; }
    std::size_t size() const { return count_; }

 private:
    AIArtHandle** matches_ = nullptr;
    std::size_t count_ = 0;
};

/// Every path of the document that is not locked, in the host's order.
MatchedPaths UnlockedPaths();

/// Every path of the document, locked and hidden ones included, in the host's order; the
/// host's code in `error` when given (no path when the host fails).
MatchedPaths AllPaths(AIErr* error = nullptr);

}  // namespace quill
