// The tool palette: the host's selection tool and the tools plug-ins add, their
// numbers, groups and toolsets, the selected tool; and the keyboard state of the event.
#include "host/core/event_state.h"
#include "host/core/plugins.h"
#include "host/core/registrations.h"
#include "host/suites/key_state.h"
#include "host/suites/suite_support.h"

namespace host {

namespace {

// A list of info-panel variables longer than this is taken as unterminated.
constexpr int kMaxInfoVars = 64;

bool ValidIcon(Host& host, ADMIconRef icon) {
    return !icon || host.registrations().FindIcon(IdOf(icon)) != nullptr;
}

/// The group and toolset numbers of a new tool; false for a tool number out of range.
bool PlaceInPalette(Registrations& r, const AIAddToolData& data, ToolRecord* tool) {
    auto valid = [&](int16_t n) {
        return n >= 0 && static_cast<std::size_t>(n) < r.tools().size();
    };
    if (data.sameGroupAs != kNoTool && !valid(data.sameGroupAs)) return false;
    if (data.sameToolsAs != kNoTool && !valid(data.sameToolsAs)) return false;
    tool->group = data.sameGroupAs == kNoTool
                      ? r.NewGroupNumber()
                      : r.tools()[static_cast<std::size_t>(data.sameGroupAs)].group;
    tool->toolset = data.sameToolsAs == kNoTool
                        ? r.NewGroupNumber()
                        : r.tools()[static_cast<std::size_t>(data.sameToolsAs)].toolset;
    return true;
}

ASErr AIAPI AddTool(SPPluginRef self, const char* name, const AIAddToolData* data, int32_t options,
                    AIToolHandle* tool) {
    return HostCall(kAIToolSuite, "AddTool", [&](Host& host) -> AIErr {
        if (!self || !name || !data || !data->title || !tool) return kBadParameterErr;
        LoadedPlugin* plugin = host.plugins().Find(self);
        if (!plugin) return kStaleHandleErr;
        if (!ValidIcon(host, data->normalIconResource)) return kStaleHandleErr;
        Registrations& r = host.registrations();
        ToolRecord record;
        record.id = NextObjectId();
        record.plugin = plugin->id;
        record.name = name;
        record.title = data->title;
        record.tooltip = data->tooltip ? data->tooltip : "";
        record.options = options;
        record.icon = IdOf(data->normalIconResource);
        if (!PlaceInPalette(r, *data, &record)) return kBadParameterErr;
        r.tools().push_back(record);
        *tool = ToHandle<AIToolHandle>(record.id);
        return kNoErr;
    });
}

ASErr AIAPI GetToolNumberFromName(const char* name, int16_t* toolNumber) {
    return HostCall(kAIToolSuite, "GetToolNumberFromName", [&](Host& host) -> AIErr {
        if (!name || !toolNumber) return kBadParameterErr;
        int number = host.registrations().ToolNumber(name);
        if (number < 0) return kNotFoundErr;
        *toolNumber = static_cast<int16_t>(number);
        return kNoErr;
    });
}

ASErr AIAPI GetToolHandleFromNumber(int16_t toolNumber, AIToolHandle* tool) {
    return HostCall(kAIToolSuite, "GetToolHandleFromNumber", [&](Host& host) -> AIErr {
        if (!tool) return kBadParameterErr;
        const auto& tools = host.registrations().tools();
        if (toolNumber < 0 || static_cast<std::size_t>(toolNumber) >= tools.size())
            return kOutOfRangeErr;
        *tool = ToHandle<AIToolHandle>(tools[static_cast<std::size_t>(toolNumber)].id);
        return kNoErr;
    });
}

ASErr AIAPI GetToolName(AIToolHandle tool, const char** name) {
    return HostCall(kAIToolSuite, "GetToolName", [&](Host& host) -> AIErr {
        if (!tool || !name) return kBadParameterErr;
        ToolRecord* record = host.registrations().FindTool(IdOf(tool));
        if (!record) return kStaleHandleErr;
        *name = record->name.c_str();
        return kNoErr;
    });
}

ASErr AIAPI SetSelectedTool(AIToolHandle tool) {
    return HostCall(kAIToolSuite, "SetSelectedTool", [&](Host& host) -> AIErr {
        if (!tool) return kBadParameterErr;
        Registrations& r = host.registrations();
        if (!r.FindTool(IdOf(tool))) return kStaleHandleErr;
        // The tools hear of the change once the event that made it is handled.
        if (r.selectedTool != IdOf(tool) && !host.event().toolBeforeChange)
            host.event().toolBeforeChange = r.selectedTool;
        r.selectedTool = IdOf(tool);
        return kNoErr;
    });
}

ASErr AIAPI GetSelectedTool(AIToolHandle* tool) {
    return HostCall(kAIToolSuite, "GetSelectedTool", [&](Host& host) -> AIErr {
        if (!tool) return kBadParameterErr;
        *tool = ToHandle<AIToolHandle>(host.registrations().selectedTool);
        return kNoErr;
    });
}

ASErr AIAPI SetToolInfoVars(AIToolHandle tool, const int32_t* infoVars) {
    return HostCall(kAIToolSuite, "SetToolInfoVars", [&](Host& host) -> AIErr {
        if (!tool || !infoVars) return kBadParameterErr;
        ToolRecord* record = host.registrations().FindTool(IdOf(tool));
        if (!record) return kStaleHandleErr;
        std::vector<int32_t> vars;
        for (int i = 0; infoVars[i] != kNoMoreInfoVars; ++i) {
            if (i == kMaxInfoVars) return kBadParameterErr;
            vars.push_back(infoVars[i]);
        }
        record->infoVars = vars;
        return kNoErr;
    });
}

ASErr AIAPI SetToolIcons(AIToolHandle tool, ADMIconRef normalIcon, ADMIconRef darkIcon) {
    return HostCall(kAIToolSuite, "SetToolIcons", [&](Host& host) -> AIErr {
        if (!tool) return kBadParameterErr;
        ToolRecord* record = host.registrations().FindTool(IdOf(tool));
        if (!record) return kStaleHandleErr;
        if (!ValidIcon(host, normalIcon) || !ValidIcon(host, darkIcon)) return kStaleHandleErr;
        record->icon = IdOf(normalIcon);
        record->darkIcon = IdOf(darkIcon);
        return kNoErr;
    });
}

AIToolSuite toolSuite = {AddTool,         GetToolNumberFromName, GetToolHandleFromNumber,
                         GetToolName,     SetSelectedTool,       GetSelectedTool,
                         SetToolInfoVars, SetToolIcons};
SuiteTable toolTable(kAIToolSuite, kAIToolSuiteVersion, &toolSuite);

ASErr AIAPI GetKeyState(int32_t virtualKey, AIBoolean* down) {
    return HostCall(kAIKeyboardStateSuite, "GetKeyState", [&](Host&) -> AIErr {
        if (!down) return kBadParameterErr;
        *down = HostKeyHeld(virtualKey);
        return kNoErr;
    });
}

AIKeyboardStateSuite keyboardSuite = {GetKeyState};
SuiteTable keyboardTable(kAIKeyboardStateSuite, kAIKeyboardStateSuiteVersion, &keyboardSuite);

}  // namespace
}  // namespace host
