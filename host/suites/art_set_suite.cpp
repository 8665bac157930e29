// "AI Art Set Suite": ordered sets of art that the plug-in creates and disposes. A set
// keeps identities, so art disposed meanwhile simply drops out of it.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/core/host.h"
#include "host/geometry/art_matching.h"
#include "host/suites/handles.h"
#include "host/suites/registry.h"

namespace host {

namespace {

// A set's members in order, and a look-up of them. Members whose art was disposed are
// dropped when the set is next used after the document changed: a set of thousands of
// paths is filled in linear time.
struct ArtList {
    std::vector<AIArtHandle> order;
    std::unordered_set<AIArtHandle> members;
    const Document* document = nullptr;  // as it was when disposed art was last dropped
    std::uint64_t version = 0;

    void DropDisposed() {
        order.erase(std::remove_if(order.begin(), order.end(),
                                   [&](AIArtHandle a) {
                                       if (ArtOf(a)) return false;
                                       members.erase(a);
                                       return true;
                                   }),
                    order.end());
        document = HasCurrentHost() ? &CurrentHost().document() : nullptr;
        version = document ? document->version() : 0;
    }
};

std::unordered_map<AIArtSet, std::unique_ptr<ArtList>>& LiveSets() {
    static std::unordered_map<AIArtSet, std::unique_ptr<ArtList>> sets;
    return sets;
}

// The live set, without the art disposed meanwhile; nullptr for a stale set.
ArtList* Live(AIArtSet set) {
    auto it = LiveSets().find(set);
    if (it == LiveSets().end()) return nullptr;
    ArtList& list = *it->second;
    const Document* document = HasCurrentHost() ? &CurrentHost().document() : nullptr;
    if (list.document != document || !document || list.version != document->version())
        list.DropDisposed();
    return &list;
}

ASErr AIAPI NewArtSet(AIArtSet* artSet) {
    return Guarded(kAIArtSetSuite, "NewArtSet", [&]() -> ASErr {
        if (!artSet) return kBadParameterErr;
        auto list = std::make_unique<ArtList>();
        list->DropDisposed();
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
        *count = list->order.size();
        return kNoErr;
    });
}

ASErr AIAPI IndexArtSet(AIArtSet artSet, size_t index, AIArtHandle* art) {
    return Guarded(kAIArtSetSuite, "IndexArtSet", [&]() -> ASErr {
        if (!art) return kBadParameterErr;
        ArtList* list = Live(artSet);
        if (!list) return kStaleHandleErr;
        // A document replaced by one of the same address and version still drops its art.
        if (index < list->order.size() && !ArtOf(list->order[index])) list->DropDisposed();
        if (index >= list->order.size()) return kOutOfRangeErr;
        *art = list->order[index];
        return kNoErr;
    });
}

ASErr AIAPI AddArtToArtSet(AIArtSet artSet, AIArtHandle art) {
    return Guarded(kAIArtSetSuite, "AddArtToArtSet", [&]() -> ASErr {
        ArtList* list = Live(artSet);
        if (!list || !ArtOf(art)) return kStaleHandleErr;
        if (list->members.insert(art).second) list->order.push_back(art);
        return kNoErr;
    });
}

ASErr AIAPI RemoveArtFromArtSet(AIArtSet artSet, AIArtHandle art) {
    return Guarded(kAIArtSetSuite, "RemoveArtFromArtSet", [&]() -> ASErr {
        ArtList* list = Live(artSet);
        if (!list) return kStaleHandleErr;
        if (list->members.erase(art))
            list->order.erase(std::remove(list->order.begin(), list->order.end(), art),
                              list->order.end());
        return kNoErr;
    });
}

ASErr AIAPI MatchingArtSet(const AIMatchingArtRule* rules, int16_t numRules, AIArtSet artSet) {
    return Guarded(kAIArtSetSuite, "MatchingArtSet", [&]() -> ASErr {
        if (numRules < 0 || (numRules > 0 && !rules)) return kBadParameterErr;
        ArtList* list = Live(artSet);
        if (!list) return kStaleHandleErr;
        if (!HasCurrentHost()) return kCantHappenErr;
        for (Art* art : MatchingArt(CurrentHost().document(), rules, numRules)) {
            const AIArtHandle handle = HandleOf(art);
            if (list->members.insert(handle).second) list->order.push_back(handle);
        }
        return kNoErr;
    });
}

const AIArtSetSuite kSuite = {NewArtSet,      DisposeArtSet,       CountArtSet,   IndexArtSet,
                              AddArtToArtSet, RemoveArtFromArtSet, MatchingArtSet};
const SuiteTable kRegistration(kAIArtSetSuite, kAIArtSetSuiteVersion, &kSuite);

}  // namespace

}  // namespace host
