// The router: each caller and selector pair the host sends reaches one virtual operation
// of the plug-in. Names are compared exactly, byte for byte.
#include <cstring>

#include "plugin/frame/plugin.h"
#include "plugin/services/app_context.h"

namespace quill {

namespace {

using Operation = ASErr (*)(Plugin&, void* message);

struct SelectorRoute {
    const char* selector;
    Operation operation;
};

struct CallerRoute {
    const char* caller;
    const SelectorRoute* selectors;  // nullptr: the caller has a handling of its own
    std::size_t selectorCount;
};

template <class Record>
Record* As(void* message) {
    return static_cast<Record*>(message);
}

bool Equal(const char* a, const char* b) {
    return a && b && std::strcmp(a, b) == 0;
}

// Selectors the SDK header does not name.
constexpr const char* kLiveEffectEditParameters = "AI Live Effect Edit Parameters";
constexpr const char* kLiveEffectGoLive = "AI Live Effect Go Live";
constexpr const char* kLiveEffectInterpolate = "AI Live Effect Interpolate Parameters";
constexpr const char* kLiveEffectInputType = "AI Live Effect Input Type";
constexpr const char* kLiveEffectConvertColorSpace = "AI Live Effect Convert Color Space";
constexpr const char* kLiveEffectScaleParameters = "AI Live Effect Scale Parameters";
constexpr const char* kLiveEffectAdjustColors = "AI Live Effect Adjust Colors";
constexpr const char* kLiveEffectHandleMerge = "AI Live Effect Handle Merge";
constexpr const char* kClipboardGo = "AI Go";
constexpr const char* kClipboardCanCopy = "AI Can Copy";
constexpr const char* kClipboardClone = "AI Clone";
constexpr const char* kClipboardDispose = "AI Dispose";
// The host has always spelt these selectors so.
constexpr const char* kWriteWorkspace = "Write Woskspace";
constexpr const char* kRestoreWorkspace = "Restore Woskspace";
constexpr const char* kDefaultWorkspace = "Default Woskspace";

const SelectorRoute kAccessRoutes[] = {
    {kSPAccessUnloadSelector,
     [](Plugin& p, void* m) { return p.UnloadPlugin(As<SPMessageData>(m)); }},
};
const SelectorRoute kInterfaceRoutes[] = {
    // Start-up already ran, from the entry point.
    {kSPInterfaceStartupSelector, [](Plugin&, void*) -> ASErr { return kNoErr; }},
    {kSPInterfaceAboutSelector, [](Plugin& p, void* m) { return p.About(As<SPMessageData>(m)); }},
};
const SelectorRoute kCacheRoutes[] = {
    {kSPPluginPurgeCachesSelector,
     [](Plugin& p, void*) -> ASErr { return p.Purge() ? kPurgeFalseErr : kNoErr; }},
};
const SelectorRoute kPropertiesRoutes[] = {
    {kSPPropertiesAcquireSelector,
     [](Plugin& p, void* m) { return p.AcquireProperty(As<SPMessageData>(m)); }},
    {kSPPropertiesReleaseSelector,
     [](Plugin& p, void* m) { return p.ReleaseProperty(As<SPMessageData>(m)); }},
};
const SelectorRoute kActionRoutes[] = {
    {kDoActionSelector, [](Plugin& p, void* m) { return p.GoAction(m); }},
};
const SelectorRoute kMenuRoutes[] = {
    {kSelectorAIGoMenuItem, [](Plugin& p, void* m) { return p.GoMenuItem(As<AIMenuMessage>(m)); }},
    {kSelectorAIUpdateMenuItem,
     [](Plugin& p, void* m) { return p.UpdateMenuItem(As<AIMenuMessage>(m)); }},
};
const SelectorRoute kFilterRoutes[] = {
    {kSelectorAIGetFilterParameters, [](Plugin& p, void* m) { return p.GetFilterParameters(m); }},
    {kSelectorAIGoFilter, [](Plugin& p, void* m) { return p.GoFilter(m); }},
};
const SelectorRoute kPluginGroupRoutes[] = {
    {kSelectorAINotifyEdits, [](Plugin& p, void* m) { return p.PluginGroupNotify(m); }},
    {kSelectorAIUpdateArt, [](Plugin& p, void* m) { return p.PluginGroupUpdate(m); }},
};
const SelectorRoute kFileFormatRoutes[] = {
    {kSelectorAIGetFileFormatParameters,
     [](Plugin& p, void* m) { return p.GetFileFormatParameters(m); }},
    {kSelectorAIGoFileFormat, [](Plugin& p, void* m) { return p.GoFileFormat(m); }},
    {kSelectorAICheckFileFormat, [](Plugin& p, void* m) { return p.CheckFileFormat(m); }},
    {kSelectorAIUpdateFileFormat, [](Plugin& p, void* m) { return p.FileFormatUpdate(m); }},
    {kDoActionSelector, [](Plugin& p, void* m) { return p.FileFormatAction(m); }},
};
const SelectorRoute kToolRoutes[] = {
    {kSelectorAIEditToolOptions,
     [](Plugin& p, void* m) { return p.EditTool(As<AIToolMessage>(m)); }},
    {kSelectorAITrackToolCursor,
     [](Plugin& p, void* m) { return p.TrackToolCursor(As<AIToolMessage>(m)); }},
    {kSelectorAIToolMouseDown,
     [](Plugin& p, void* m) { return p.ToolMouseDown(As<AIToolMessage>(m)); }},
    {kSelectorAIToolMouseDrag,
     [](Plugin& p, void* m) { return p.ToolMouseDrag(As<AIToolMessage>(m)); }},
    {kSelectorAIToolMouseUp,
     [](Plugin& p, void* m) { return p.ToolMouseUp(As<AIToolMessage>(m)); }},
    {kSelectorAISelectTool, [](Plugin& p, void* m) { return p.SelectTool(As<AIToolMessage>(m)); }},
    {kSelectorAIDeselectTool,
     [](Plugin& p, void* m) { return p.DeselectTool(As<AIToolMessage>(m)); }},
    {kSelectorAIReselectTool,
     [](Plugin& p, void* m) { return p.ReselectTool(As<AIToolMessage>(m)); }},
    {kSelectorAIDecreaseDiameter,
     [](Plugin& p, void* m) { return p.DecreaseDiameter(As<AIToolMessage>(m)); }},
    {kSelectorAIIncreaseDiameter,
     [](Plugin& p, void* m) { return p.IncreaseDiameter(As<AIToolMessage>(m)); }},
};
const SelectorRoute kLiveEffectRoutes[] = {
    {kLiveEffectEditParameters, [](Plugin& p, void* m) { return p.LiveEffectEditParameters(m); }},
    {kLiveEffectGoLive, [](Plugin& p, void* m) { return p.LiveEffectGoLive(m); }},
    {kLiveEffectInterpolate,
     [](Plugin& p, void* m) { return p.LiveEffectInterpolateParameters(m); }},
    {kLiveEffectInputType, [](Plugin& p, void* m) { return p.LiveEffectInputType(m); }},
    {kLiveEffectConvertColorSpace,
     [](Plugin& p, void* m) { return p.LiveEffectConvertColorSpace(m); }},
    {kLiveEffectScaleParameters, [](Plugin& p, void* m) { return p.LiveEffectScaleParameters(m); }},
    {kLiveEffectAdjustColors, [](Plugin& p, void* m) { return p.LiveEffectAdjustColors(m); }},
    {kLiveEffectHandleMerge, [](Plugin& p, void* m) { return p.LiveEffectHandleMerge(m); }},
};
const SelectorRoute kTimerRoutes[] = {
    {kSelectorAIGoTimer, [](Plugin& p, void* m) { return p.GoTimer(m); }},
};
const SelectorRoute kClipboardRoutes[] = {
    {kClipboardGo, [](Plugin& p, void* m) { return p.GoClipboard(m); }},
    {kClipboardCanCopy, [](Plugin& p, void* m) { return p.CanCopyClipboard(m); }},
    {kClipboardClone, [](Plugin& p, void* m) { return p.CloneClipboard(m); }},
    {kClipboardDispose, [](Plugin& p, void* m) { return p.DisposeClipboard(m); }},
};
const SelectorRoute kWorkspaceRoutes[] = {
    {kWriteWorkspace, [](Plugin& p, void* m) { return p.WriteWorkspace(m); }},
    {kRestoreWorkspace, [](Plugin& p, void* m) { return p.RestoreWorkspace(m); }},
    {kDefaultWorkspace, [](Plugin& p, void* m) { return p.DefaultWorkspace(m); }},
};

template <std::size_t N>
constexpr CallerRoute Route(const char* caller, const SelectorRoute (&selectors)[N]) {
    return {caller, selectors, N};
}

// "SP Interface" / "Shutdown" is handled by the entry point alone.
const CallerRoute kCallerRoutes[] = {
    Route(kSPAccessCaller, kAccessRoutes),
    Route(kSPInterfaceCaller, kInterfaceRoutes),
    Route(kSPCacheCaller, kCacheRoutes),
    Route(kSPPropertiesCaller, kPropertiesRoutes),
    {kCallerAINotify, nullptr, 0},
    Route(kActionCaller, kActionRoutes),
    Route(kCallerAIMenu, kMenuRoutes),
    Route(kCallerAIFilter, kFilterRoutes),
    Route(kCallerAIPluginGroup, kPluginGroupRoutes),
    Route(kCallerAIFileFormat, kFileFormatRoutes),
    Route(kCallerAITool, kToolRoutes),
    Route(kCallerAILiveEffect, kLiveEffectRoutes),
    Route(kCallerAITimer, kTimerRoutes),
    Route(kCallerAIClipboard, kClipboardRoutes),
    Route(kCallerWorkspace, kWorkspaceRoutes),
};

// Notifications: the application-started one reaches PostStartupPlugin first, and the
// notifier's own handling runs only when that went well.
ASErr RouteNotification(Plugin& plugin, const char* selector, void* message) {
    AppContext context(plugin.pluginRef());
    auto* notification = As<AINotifierMessage>(message);
    ASErr result = kUnhandledMsgErr;
    if (notification && Equal(notification->type, kAIApplicationStartedNotifier))
        result = plugin.PostStartupPlugin();
    if ((result == kNoErr || result == kUnhandledMsgErr) && Equal(selector, kSelectorAINotify))
        result = plugin.Notify(notification);
    return result;
}

}  // namespace

ASErr Plugin::Message(const char* caller, const char* selector, void* message) {
    AcquireOptionalSuites();
    for (const CallerRoute& route : kCallerRoutes) {
        if (!Equal(caller, route.caller)) continue;
        if (!route.selectors) return RouteNotification(*this, selector, message);
        for (std::size_t i = 0; i < route.selectorCount; ++i)
            if (Equal(selector, route.selectors[i].selector))
                return route.selectors[i].operation(*this, message);
        break;
    }
    return kUnhandledMsgErr;
}

}  // namespace quill
