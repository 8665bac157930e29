// "AI Art Set Suite": ordered sets of art that the plug-in creates and disposes. A set
// keeps identities, so art disposed meanwhile simply drops out of it.
#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

#include "host/core/host.h"
#include "host/geometry/art_matching.h"
#include "host/suites/handles.h"
#include "host/suites/registry.h"

namespace host {

namespace {

using ArtList = std::vector<AIArtHandle>;

std::unordered_map<AIArtSet, std::unique_ptr<ArtList>>& LiveSets() {
    static std::unordered_map<AIArtSet, std::unique_ptr<ArtList>> sets;
    return sets;
}

// The live set, with the handles of disposed art removed; nullptr for a stale set.
ArtList* Live(AIArtSet set) {
    auto it = LiveSets().find(set);
    if (it == LiveSets().end()) return nullptr;
    ArtList& list = *it->second;
    list.erase(std::remove_if(list.begin(), list.end(), [](AIArtHandle a) { return !ArtOf(a); }),
               list.end());
    return &list;
}

ASErr AIAPI NewArtSet(AIArtSet* artSet) {
    return Guarded(kAIArtSetSuite, "NewArtSet", [&]() -> ASErr {
        if (!artSet) return kBadParameterErr;
        auto list = std::make_unique<ArtList>();
        auto handle = reinterpret_cast<AIArtSet>(list.get());
        LiveSets()[handle] = std::move(list);
        *artSet = handle;
        return kNoErr;
    });
}

ASErr AIAPI DisposeArtSet(AIArtSet* artSet) {
    return Guarded(kAIArtSetSuite, "DisposeArtSet", [&]() -> ASErr {
        if (!artSet) return kBadParameterErr;
        if (!LiveSets().erase(*artSet)) return kStaleHandleErr;
        *artSet = nullptr;
        return kNoErr;
    });
}

ASErr AIAPI CountArtSet(AIArtSet artSet, size_t* count) {
    return Guarded(kAIArtSetSuite, "CountArtSet", [&]() -> ASErr {
        if (!count) return kBadParameterErr;
        ArtList* list = Live(artSet);
        if (!list) return kStaleHandleErr;
        *count = list->size();
        return kNoErr;
    });
}

ASErr AIAPI IndexArtSet(AIArtSet artSet, size_t index, AIArtHandle* art) {
    return Guarded(kAIArtSetSuite, "IndexArtSet", [&]() -> ASErr {
        if (!art) return kBadParameterErr;
        ArtList* list = Live(artSet);
        if (!list) return kStaleHandleErr;
        if (index >= list->size()) return kOutOfRangeErr;
        *art = (*list)[index];
        return kNoErr;
    });
}

ASErr AIAPI AddArtToArtSet(AIArtSet artSet, AIArtHandle art) {
    return Guarded(kAIArtSetSuite, "AddArtToArtSet", [&]() -> ASErr {
        ArtList* list = Live(artSet);
        if (!list || !ArtOf(art)) return kStaleHandleErr;
        if (std::find(list->begin(), list->end(), art) == list->end()) list->push_back(art);
        return kNoErr;
    });
}

ASErr AIAPI RemoveArtFromArtSet(AIArtSet artSet, AIArtHandle art) {
    return Guarded(kAIArtSetSuite, "RemoveArtFromArtSet", [&]() -> ASErr {
        ArtList* list = Live(artSet);
        if (!list) return kStaleHandleErr;
        list->erase(std::remove(list->begin(), list->end(), art), list->end());
        return kNoErr;
    });
}

ASErr AIAPI MatchingArtSet(const AIMatchingArtSpec* specs, int16_t numSpecs, AIArtSet artSet) {
    return Guarded(kAIArtSetSuite, "MatchingArtSet", [&]() -> ASErr {
        if (numSpecs < 0 || (numSpecs > 0 && !specs)) return kBadParameterErr;
        ArtList* list = Live(artSet);
        if (!list) return kStaleHandleErr;
        if (!HasCurrentHost()) return kCantHappenErr;
        for (Art* art : MatchingArt(CurrentHost().document(), specs, numSpecs)) {
            const AIArtHandle handle = HandleOf(art);
            if (std::find(list->begin(), list->end(), handle) == list->end())
                list->push_back(handle);
        }
        return kNoErr;
    });
}

const AIArtSetSuite kSuite = {NewArtSet,      DisposeArtSet,       CountArtSet,   IndexArtSet,
                              AddArtToArtSet, RemoveArtFromArtSet, MatchingArtSet};
const SuiteTable kRegistration(kAIArtSetSuite, kAIArtSetSuiteVersion, &kSuite);

}  // namespace

}  // namespace host
