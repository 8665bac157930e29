#include "plugin/dimensions/dimension_group.h"

#include <string>

#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/dimensions/texts.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_text.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr std::size_t kTitleCapacity = 1024;

// Whether the layer takes new art; a host that cannot tell answers its code, which is
// no reason to call the layer locked.
AIErr ReadLayerEditable(AILayerHandle layer, bool* editable) {
    AIBoolean answer = false;
    const AIErr result = sAILayer->GetLayerEditable(layer, &answer);
    *editable = result == kNoErr && answer;
    return result;
}

// The layer titled `title`, the first in index order; nullptr when there is none.
// `locked` tells whether that layer refuses new art. The host's code when the layers or
// the found layer's state cannot be read.
AIErr FindLayer(const std::string& title, AILayerHandle* found, bool* locked) {
    *found = nullptr;
    *locked = false;
    int32_t count = 0;
    if (const AIErr result = sAILayer->CountLayers(&count)) return result;
    for (int32_t i = 0; i < count; ++i) {
        AILayerHandle layer = nullptr;
        char layerTitle[kTitleCapacity] = {};
        // A layer the host cannot name may be the one: no second layer is made for it.
        if (const AIErr result = sAILayer->GetNthLayer(i, &layer)) return result;
        if (const AIErr result = sAILayer->GetLayerTitle(layer, layerTitle, sizeof layerTitle))
            return result;
        if (title == layerTitle) {
            bool editable = false;
            if (const AIErr result = ReadLayerEditable(layer, &editable)) return result;
            *found = layer;
            *locked = !editable;
            return kNoErr;
        }
    }
    return kNoErr;
}

// Whether `layer` is still one of the document's layers.
bool IsLayerOfDocument(AILayerHandle layer) {
    int32_t count = 0;
    if (!layer || sAILayer->CountLayers(&count) != kNoErr) return false;
    for (int32_t i = 0; i < count; ++i) {
        AILayerHandle nth = nullptr;
        if (sAILayer->GetNthLayer(i, &nth) == kNoErr && nth == layer) return true;
    }
    return false;
}

// A new layer on top titled `title`; when the title is refused the layer stays, kept
// for the next try, and the click is abandoned with the host's code.
AIErr MakeDimensionLayer(const std::string& title, AILayerHandle* layer) {
    AILayerHandle& untitledLayer = UntitledDimensionLayer();
    if (!IsLayerOfDocument(untitledLayer)) {
        untitledLayer = nullptr;
        if (const AIErr result = sAILayer->InsertLayer(nullptr, kPlaceAboveAll, &untitledLayer))
            return result;
    }
    if (const AIErr result = sAILayer->SetLayerTitle(untitledLayer, title.c_str())) return result;
    *layer = untitledLayer;
    untitledLayer = nullptr;
    return kNoErr;
}

AIErr RefuseLockedLayer() {
    ShowAlert(texts::kLayerLocked.c_str());
    return kLockedErr;
}

}  // namespace

AIErr PrepareDimensionGroup() {
    std::string title;
    AIErr result = ConvertToHostText(Settings().layerName, &title);
    if (result != kNoErr) return result;
    bool locked = false;
    AILayerHandle layer = nullptr;
    result = FindLayer(title, &layer, &locked);
    if (result != kNoErr) return result;
    if (locked) return RefuseLockedLayer();
    if (!layer) {
        result = MakeDimensionLayer(title, &layer);
        if (result != kNoErr) return result;
    }
    AILayerHandle current = nullptr;
    if (sAILayer->GetCurrentLayer(&current) == kNoErr && current) {
        bool editable = false;
        if (const AIErr unknown = ReadLayerEditable(current, &editable)) return unknown;
        if (!editable) return RefuseLockedLayer();
    }

    AIArtHandle layerGroup = nullptr;
    result = sAIArt->GetFirstArtOfLayer(layer, &layerGroup);
    // A group left empty, or holding the unplaced pieces of a dimension abandoned after
    // its first point, goes.
    AIArtHandle& group = ArtSet().group;
    if (IsValidArt(group)) {
        AIArtHandle child = nullptr;
        sAIArt->GetArtFirstChild(group, &child);
        if (!child || ArtSet().onlyFirstPoint) DisposeArt(group);
    }
    ArtSet().onlyFirstPoint = false;
    group = nullptr;
    result = sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, layerGroup, &group);
    if (result == kNoErr) result = TagPiece(group);
    // An untagged group would not be known for a dimension: it goes, and the click with it.
    if (result != kNoErr && group) {
        sAIArt->DisposeArt(group);
        group = nullptr;
    }
    return result;
}

AIErr NameDimensionGroup(const char* name) {
    AIArtHandle group = ArtSet().group;
    if (!name || !IsValidArt(group)) return kNoErr;
    return sAIArt->SetArtName(group, ToHostText(name).c_str());
}

AIErr DisposeArt(AIArtHandle art) {
    if (!IsValidArt(art)) return kNoErr;
    const AIErr result = sAIArt->DisposeArt(art);
    // A piece that should have gone and stays leaves the dimension unfinished.
    if (result != kNoErr) ArtSet().unfinished = result;
    return result;
}

}  // namespace quill
