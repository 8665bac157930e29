#include "plugin/services/host_art.h"

#include <string>

#include "plugin/services/ai_error.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"

namespace quill {

bool IsValidArt(AIArtHandle art) {
    AIBoolean valid = false;
    if (!art || !sAIArt) return false;
    // A host that cannot tell leaves the handler nothing sound to build on: its steps
    // stop there, rather than make again pieces that still exist.
    ai::Check(sAIArt->ValidArt(art, true, &valid));
    return valid;
}

bool HasTag(AIArtHandle art, const char* name) {
    AIBoolean has = false;
    return art && sAITag && sAITag->HasTag(art, name, tags::kStringType, &has) == kNoErr && has;
}

bool ReadTag(AIArtHandle art, const char* name, char* value, std::size_t size) {
    if (!art || !sAITag || size == 0) return false;
    value[0] = '\0';
    if (sAITag->GetTag(art, name, tags::kStringType, value, size) != kNoErr) {
        value[0] = '\0';
        return false;
    }
    return true;
}

AIErr WriteTag(AIArtHandle art, const char* name, const char* value) {
    return sAITag->SetTag(art, name, tags::kStringType, value);
}

AIErr RemoveTag(AIArtHandle art, const char* name) {
    return sAITag->RemoveTag(art, name);
}

AIErr CopyTags(AIArtHandle from, AIArtHandle to, const char* except) {
    int32_t count = 0;
    AIErr result = sAITag->CountTags(from, &count);
    for (int32_t i = 0; i < count && result == kNoErr; ++i) {
        const char* name = nullptr;
        char value[256];
        if (sAITag->GetNthTag(from, i, &name) != kNoErr || !name) continue;
        const std::string tagName = name;  // the host's name may not outlive the next call
        if (tagName == except || !ReadTag(from, tagName.c_str(), value, sizeof value)) continue;
        result = WriteTag(to, tagName.c_str(), value);
    }
    return result;
}

MatchedPaths::~MatchedPaths() {
    if (matches_) sAIMdMemory->MdMemoryDisposeHandle(matches_);
}

namespace {

// The paths whose user attributes masked by `whichAttr` equal `attr`, in paint order; the
// host's code in `error` when given.
MatchedPaths MatchingPaths(int32_t whichAttr, int32_t attr, AIErr* error = nullptr) {
    AIMatchingArtRule rule{kPathArt, whichAttr, attr};
    AIArtHandle** matches = nullptr;
    int32_t count = 0;
    const AIErr result = sAIMatchingArt->GetMatchingArt(&rule, 1, &matches, &count);
    if (error) *error = result;
    if (result != kNoErr || !matches) return {};
    return {matches, count > 0 ? static_cast<std::size_t>(count) : 0};
}

}  // namespace

MatchedPaths UnlockedPaths() {
    return MatchingPaths(kArtLocked, 0);
}

MatchedPaths AllPaths(AIErr* error) {
    return MatchingPaths(0, 0, error);
}

}  // namespace quill
