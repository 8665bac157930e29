#include "plugin/tools/tool_table.h"

#include "plugin/dimensions/dimension_group.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/tool_state.h"

namespace quill {

AIErr HandClickTo(std::int32_t tool, const ToolClick& click) {
    ToolState& tools = Tools();
    tools.handOverSelection = tool;
    if (sAITool->SetSelectedTool(tools.tools[tool]) != kNoErr) {
        tools.handOverSelection = 0;
        return HandPressTo(tool, click);
    }
    tools.currentTool = tool;
    tools.pressTool = 0;
    return ToolAt(tool).Click(click);
}

AIErr HandPressTo(std::int32_t tool, const ToolClick& click) {
    Tools().pressTool = tool;
    return ToolAt(tool).Click(click);
}

std::int32_t ToolOfDimensionPiece(const ToolClick& click) {
    if (!click.hit.hit) return 0;
    if (HasTag(click.hit.art, tags::kSegmentMarker)) return kSegmentTool;
    if (HasTag(click.hit.art, tags::kAngleMarker)) return kAngleTool;
    if (HasTag(click.hit.art, tags::kCircleMarker)) return kCircleTool;
    return 0;
}

AIErr FollowBuild(std::int32_t tool, const BuildResult& built) {
    if (built.outcome == BuildOutcome::Built) {
        Tools().built[tool] = true;
        Tools().dragActive = true;
    }
    return built.code;
}

BuildResult Kept(const BuildResult& built) {
    SettingsRecord& settings = Settings();
    if (built.lineOffset) settings.lineOffset = *built.lineOffset;
    if (built.angleRadius) settings.angleRadius = *built.angleRadius;
    Tools().gesture.unfinished = built.unfinished;
    return built;
}

AIErr NameCurrentGroup() {
    const ToolState& tools = Tools();
    const std::int32_t acting = tools.ActingTool();
    if (acting < 1 || acting > kToolCount || !tools.built[acting]) return kNoErr;
    const char* name = ToolAt(acting).GroupName();
    if (!name) return kNoErr;
    return NameDimensionGroup(name);
}

}  // namespace quill
