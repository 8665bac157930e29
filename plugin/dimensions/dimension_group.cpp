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

bool LayerEditable(AILayerHandle layer) {
    AIBoolean editable = false;
    return sAILayer->GetLayerEditable(layer, &editable) == kNoErr && editable;
}

// The layer titled `title`, the first in index order; nullptr when there is none.
// `locked` tells whether that layer refuses new art.
AILayerHandle FindLayer(const std::string& title, bool* locked) {
    int32_t count = 0;
    sAILayer->CountLayers(&count);
    for (int32_t i = 0; i < count; ++i) {
        AILayerHandle layer = nullptr;
        char layerTitle[kTitleCapacity] = {};
        if (sAILayer->GetNthLayer(i, &layer) != kNoErr) continue;
        if (sAILayer->GetLayerTitle(layer, layerTitle, sizeof layerTitle) != kNoErr) continue;
        if (title == layerTitle) {
            *locked = !LayerEditable(layer);
            return layer;
        }
    }
    *locked = false;
    return nullptr;
}

AIErr RefuseLockedLayer() {
    ShowAlert(texts::kLayerLocked.c_str());
    return kLockedErr;
}

}  // namespace

AIErr PrepareDimensionGroup() {
    const std::string title = ToHostText(Settings().layerName);
    bool locked = false;
    AILayerHandle layer = FindLayer(title, &locked);
    if (locked) return RefuseLockedLayer();
    AIErr result = kNoErr;
    if (!layer) {
        result = sAILayer->InsertLayer(nullptr, kPlaceAboveAll, &layer);
        if (result != kNoErr) return result;
        result = sAILayer->SetLayerTitle(layer, title.c_str());
    }
    AILayerHandle current = nullptr;
    if (sAILayer->GetCurrentLayer(&current) == kNoErr && current && !LayerEditable(current))
        return RefuseLockedLayer();

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
    return result;
}

AIErr NameDimensionGroup(const char* name) {
    AIArtHandle group = ArtSet().group;
    if (!name || !IsValidArt(group)) return kNoErr;
    return sAIArt->SetArtName(group, ToHostText(name).c_str());
}

AIErr DisposeArt(AIArtHandle art) {
    if (!IsValidArt(art)) return kNoErr;
    return sAIArt->DisposeArt(art);
}

}  // namespace quill
