// "AI Matching Art Suite": art by type and attributes, handed out as a memory handle.
#include <cstring>

#include "host/core/host.h"
#include "host/geometry/art_matching.h"
#include "host/suites/handles.h"
#include "host/suites/memory_handles.h"
#include "host/suites/registry.h"

namespace host {

namespace {

// The handle is a block whose first word points at the array of art handles that
// follows it, so that (*matches)[i] is the i-th match.
AIArtHandle** MatchesHandle(const std::vector<const std::vector<ObjectId>*>& pieces,
                            std::size_t count) {
    const std::size_t size = sizeof(AIArtHandle*) + count * sizeof(AIArtHandle);
    void* block = AllocateMemoryHandle(size);
    if (!block) return nullptr;
    auto* array = reinterpret_cast<AIArtHandle*>(static_cast<char*>(block) + sizeof(AIArtHandle*));
    AIArtHandle* next = array;
    for (const auto* piece : pieces)
        for (ObjectId id : *piece) *next++ = ToHandle<AIArtHandle>(id);
    std::memcpy(block, &array, sizeof array);
    return static_cast<AIArtHandle**>(block);
}

ASErr AIAPI GetMatchingArt(const AIMatchingArtRule* rules, int16_t numRules, AIArtHandle*** matches,
                           int32_t* numMatches) {
    return Guarded(kAIMatchingArtSuite, "GetMatchingArt", [&]() -> ASErr {
        if (!matches || !numMatches || numRules < 0 || (numRules > 0 && !rules))
            return kBadParameterErr;
        if (!HasCurrentHost()) return kCantHappenErr;
        *matches = nullptr;
        *numMatches = 0;
        const auto& pieces = MatchingArtIds(CurrentHost().document(), rules, numRules);
        std::size_t count = 0;
        for (const auto* piece : pieces) count += piece->size();
        if (count == 0) return kNoErr;
        AIArtHandle** handle = MatchesHandle(pieces, count);
        if (!handle) return kOutOfMemoryErr;
        *matches = handle;
        *numMatches = static_cast<int32_t>(count);
        return kNoErr;
    });
}

ASErr AIAPI DeselectAll() {
    return Guarded(kAIMatchingArtSuite, "DeselectAll", [&]() -> ASErr {
        if (!HasCurrentHost()) return kCantHappenErr;
        Document& document = CurrentHost().document();
        document.ForEachArt([&](Art& art) {
            if (!(art.attributes & (kArtSelected | kArtFullySelected))) return;
            document.Touch(art);
            art.attributes &= ~(kArtSelected | kArtFullySelected);
        });
        return kNoErr;
    });
}

const AIMatchingArtSuite kSuite = {GetMatchingArt, DeselectAll};
const SuiteTable kRegistration(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kSuite);

}  // namespace

}  // namespace host
