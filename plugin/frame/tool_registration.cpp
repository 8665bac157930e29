// The six tools: one group and one toolset of the palette, joined to the group of a
// sibling plug-in's tool when one is present.
#include <string>

#include "plugin/frame/registration.h"
#include "plugin/frame/texts.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/error_boundary.h"
#include "plugin/services/suites.h"
#include "plugin/settings/preference_storage.h"
#include "plugin/tools/tool_state.h"

namespace quill {

namespace {

// The info-panel variables every tool declares (host constants), ended by kNoMoreInfoVars.
constexpr std::int32_t kInfoVariables[] = {15, 16, 23, 19, kNoMoreInfoVars};

struct PalettePlace {
    std::int16_t group;
    std::int16_t toolset;
};

// The first tool joins the group of the first sibling tool found, in a toolset of its own.
PalettePlace PlaceOfFirstTool() {
    for (const char* title : texts::kRelatedTools) {
        std::int16_t number = 0;
        if (sAITool->GetToolNumberFromName(HostText(title).c_str(), &number) == kNoErr)
            return {number, kNoTool};
    }
    return {kNoTool, kNoTool};
}

// Every later tool joins the first tool's group and toolset.
PalettePlace PlaceBesideFirstTool() {
    std::int16_t number = 0;
    ai::Check(
        sAITool->GetToolNumberFromName(HostText(texts::kSegmentTitle.c_str()).c_str(), &number));
    return {number, number};
}

// An icon that cannot be loaded leaves the tool without it.
ADMIconRef LoadIcon(SPPluginRef self, std::int32_t resourceId) {
    ADMIconRef icon = nullptr;
    if (sADMIcon->GetFromResource(self, resourceId, &icon) != kNoErr) return nullptr;
    return icon;
}

void AddTool(SPPluginRef self, std::int32_t index) {
    const texts::ToolText& row = texts::kTools[index - 1];
    ADMIconRef icon = LoadIcon(self, row.icon);
    ADMIconRef secondIcon = LoadIcon(self, row.secondIcon);
    const PalettePlace place = index == kSegmentTool ? PlaceOfFirstTool() : PlaceBesideFirstTool();
    const std::string title = HostText(row.title);
    const std::string tooltip = HostText(row.tooltip);
    const AIAddToolData data{title.c_str(), tooltip.c_str(), nullptr,
                             icon,          place.group,     place.toolset};
    AIToolHandle tool = nullptr;
    ai::Check(sAITool->AddTool(self, title.c_str(), &data, kToolWantsToTrackCursorOption, &tool));
    Tools().tools[index] = tool;
    if (secondIcon) sAITool->SetToolIcons(tool, icon, secondIcon);
    ai::Check(sAITool->SetToolInfoVars(tool, kInfoVariables));
}

}  // namespace

ASErr RegisterTools(SPPluginRef self) {
    // The settings are read first; how that went is the preference storage's to tell.
    CodeOf([] { return LoadPreferences(); });
    return CodeOf([&] {
        for (std::int32_t index = kSegmentTool; index <= kToolCount; ++index) AddTool(self, index);
        return kNoErr;
    });
}

}  // namespace quill
