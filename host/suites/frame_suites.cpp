// Suites of the plug-in frame: access references, plug-in names and options,
// notifiers and application contexts.
#include <algorithm>

#include "host/core/plugins.h"
#include "host/core/registrations.h"
#include "host/suites/suite_support.h"

namespace host {

namespace {

LoadedPlugin* PluginParameter(Host& host, SPPluginRef ref, AIErr* error) {
    if (!ref) {
        *error = kBadParameterErr;
        return nullptr;
    }
    LoadedPlugin* plugin = host.plugins().Find(ref);
    *error = plugin ? kNoErr : kStaleHandleErr;
    return plugin;
}

ASErr AIAPI AcquirePlugin(SPPluginRef ref, SPAccessRef* access) {
    return HostCall(kSPAccessSuite, "AcquirePlugin", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        LoadedPlugin* plugin = PluginParameter(host, ref, &error);
        if (!plugin) return error;
        if (!access) return kBadParameterErr;
        *access = ToHandle<SPAccessRef>(host.plugins().AcquireAccess(*plugin));
        return kNoErr;
    });
}

ASErr AIAPI ReleasePlugin(SPAccessRef access) {
    return HostCall(kSPAccessSuite, "ReleasePlugin", [&](Host& host) -> AIErr {
        if (!access) return kBadParameterErr;
        return host.plugins().ReleaseAccess(IdOf(access)) ? kNoErr : kStaleHandleErr;
    });
}

SPAccessSuite accessSuite = {AcquirePlugin, ReleasePlugin};
SuiteTable accessTable(kSPAccessSuite, kSPAccessSuiteVersion, &accessSuite);

ASErr AIAPI SetPluginName(SPPluginRef ref, const char* name) {
    return HostCall(kSPPluginsSuite, "SetPluginName", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        LoadedPlugin* plugin = PluginParameter(host, ref, &error);
        if (!plugin) return error;
        if (!name) return kBadParameterErr;
        plugin->name = name;
        return kNoErr;
    });
}

ASErr AIAPI GetPluginName(SPPluginRef ref, const char** name) {
    return HostCall(kSPPluginsSuite, "GetPluginName", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        LoadedPlugin* plugin = PluginParameter(host, ref, &error);
        if (!plugin) return error;
        if (!name) return kBadParameterErr;
        *name = plugin->name.c_str();
        return kNoErr;
    });
}

SPPluginsSuite pluginsSuite = {SetPluginName, GetPluginName};
SuiteTable pluginsTable(kSPPluginsSuite, kSPPluginsSuiteVersion, &pluginsSuite);

ASErr AIAPI GetPluginOptions(SPPluginRef ref, int32_t* options) {
    return HostCall(kAIPluginSuite, "GetPluginOptions", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        LoadedPlugin* plugin = PluginParameter(host, ref, &error);
        if (!plugin) return error;
        if (!options) return kBadParameterErr;
        *options = plugin->options;
        return kNoErr;
    });
}

ASErr AIAPI SetPluginOptions(SPPluginRef ref, int32_t options) {
    return HostCall(kAIPluginSuite, "SetPluginOptions", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        LoadedPlugin* plugin = PluginParameter(host, ref, &error);
        if (!plugin) return error;
        plugin->options = options;
        return kNoErr;
    });
}

AIPluginSuite pluginSuite = {GetPluginOptions, SetPluginOptions};
SuiteTable pluginTable(kAIPluginSuite, kAIPluginSuiteVersion, &pluginSuite);

ASErr AIAPI AddNotifier(SPPluginRef self, const char* name, const char* type,
                        AINotifierHandle* notifier) {
    return HostCall(kAINotifierSuite, "AddNotifier", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        LoadedPlugin* plugin = PluginParameter(host, self, &error);
        if (!plugin) return error;
        if (!name || !type || !notifier) return kBadParameterErr;
        NotifierRecord record{NextObjectId(), plugin->id, name, type, true};
        host.registrations().notifiers().push_back(record);
        *notifier = ToHandle<AINotifierHandle>(record.id);
        return kNoErr;
    });
}

ASErr AIAPI SetNotifierActive(AINotifierHandle handle, AIBoolean active) {
    return HostCall(kAINotifierSuite, "SetNotifierActive", [&](Host& host) -> AIErr {
        if (!handle) return kBadParameterErr;
        NotifierRecord* notifier = host.registrations().FindNotifier(IdOf(handle));
        if (!notifier) return kStaleHandleErr;
        notifier->active = active != 0;
        return kNoErr;
    });
}

AINotifierSuite notifierSuite = {AddNotifier, SetNotifierActive};
SuiteTable notifierTable(kAINotifierSuite, kAINotifierSuiteVersion, &notifierSuite);

ASErr AIAPI PushAppContext(SPPluginRef self, AIAppContextHandle* context) {
    return HostCall(kAIContextSuite, "PushAppContext", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        if (!PluginParameter(host, self, &error)) return error;
        if (!context) return kBadParameterErr;
        ObjectId id = NextObjectId();
        host.registrations().contexts().push_back(id);
        *context = ToHandle<AIAppContextHandle>(id);
        return kNoErr;
    });
}

ASErr AIAPI PopAppContext(AIAppContextHandle context) {
    return HostCall(kAIContextSuite, "PopAppContext", [&](Host& host) -> AIErr {
        auto& contexts = host.registrations().contexts();
        if (!context) return kBadParameterErr;
        // Contexts are popped innermost first.
        if (contexts.empty() || contexts.back() != IdOf(context)) return kBadParameterErr;
        contexts.pop_back();
        return kNoErr;
    });
}

AIContextSuite contextSuite = {PushAppContext, PopAppContext};
SuiteTable contextTable(kAIContextSuite, kAIContextSuiteVersion, &contextSuite);

}  // namespace
}  // namespace host
