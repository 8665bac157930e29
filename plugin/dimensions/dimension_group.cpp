#include "plugin/dimensions/dimension_group.h"

#include <string>

#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/dimensions/texts.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_text.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/tool_state.h"

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

const char* SegmentGroupName() {
    const ToolState& tools = Tools();
    if (Settings().dimensionType == 3) return texts::kGroupSegmentBoth.c_str();
    if (tools.curveMeasured) return texts::kGroupSegmentCurve.c_str();
    if (tools.arcMeasured) return texts::kGroupSegmentArc.c_str();
    switch (Settings().dimensionType) {
        case 0:
            return texts::kGroupSegmentOblique.c_str();
        case 1:
            return texts::kGroupSegmentHorizontal.c_str();
        case 2:
            return texts::kGroupSegmentVertical.c_str();
        default:
            return texts::kGroupSegmentError.c_str();
    }
}

const char* GroupName(std::int32_t tool) {
    switch (tool) {
        case kSegmentTool:
            return SegmentGroupName();
        case kAngleTool:
            return texts::kGroupAngle.c_str();
        case kCircleTool:
            return Settings().diameter ? texts::kGroupCircleDiameter.c_str()
                                       : texts::kGroupCircleRadius.c_str();
        case kBezierTool:
            return texts::kGroupBezier.c_str();
        case kLengthsTool:
            return texts::kGroupLengths.c_str();
        default:
            return nullptr;
    }
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
        if (!child || BuildState().onlyFirstPoint) DisposeArt(group);
    }
    BuildState().onlyFirstPoint = false;
    group = nullptr;
    result = sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, layerGroup, &group);
    if (result == kNoErr) result = TagPiece(group);
    return result;
}

AIErr NameDimensionGroup() {
    const std::int32_t tool = Tools().currentTool;
    if (tool < 1 || tool > kToolCount || !Tools().built[tool]) return kNoErr;
    AIArtHandle group = ArtSet().group;
    const char* name = GroupName(tool);
    if (!name || !IsValidArt(group)) return kNoErr;
    return sAIArt->SetArtName(group, ToHostText(name).c_str());
}

AIErr DisposeArt(AIArtHandle art) {
    if (!IsValidArt(art)) return kNoErr;
    return sAIArt->DisposeArt(art);
}

}  // namespace quill
