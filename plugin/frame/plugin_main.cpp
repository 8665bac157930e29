// The library's one exported function: every message of the host arrives here.
#include <cstring>
#include <new>

#include "plugin/frame/quill_plugin.h"
#include "plugin/services/suites.h"

#if defined(_WIN32)
#define QUILL_EXPORT __declspec(dllexport)
#else
#define QUILL_EXPORT __attribute__((visibility("default")))
#endif

namespace quill {

namespace {

bool Equal(const char* a, const char* b) {
    return a && b && std::strcmp(a, b) == 0;
}

// Start-up creates the object and keeps it in the host's globals slot; a failed start-up
// leaves the slot empty. A second start-up keeps the object that is there.
QuillPlugIn* StartUp(SPMessageData* message, QuillPlugIn* plugin, ASErr* result) {
    if (plugin) return plugin;
    plugin = new (std::nothrow) QuillPlugIn(message->self);
    if (!plugin) {
        *result = kOutOfMemoryErr;
        return nullptr;
    }
    message->globals = plugin;
    const StateBinding bound(plugin->state());
    *result = plugin->StartupPlugin(message);
    if (*result == kNoErr) return plugin;
    delete plugin;
    message->globals = nullptr;
    return nullptr;
}

ASErr HandleMessage(const char* caller, const char* selector, SPMessageData* message) {
    sSPBasic = message->basic;
    auto* plugin = static_cast<QuillPlugIn*>(message->globals);
    ASErr result = kNoErr;
    if (Equal(caller, kSPInterfaceCaller)) {
        if (Equal(selector, kSPInterfaceStartupSelector)) {
            plugin = StartUp(message, plugin, &result);
        } else if (Equal(selector, kSPInterfaceShutdownSelector) && plugin) {
            {
                const StateBinding bound(plugin->state());
                plugin->ShutdownPlugin(message);
            }
            delete plugin;
            plugin = nullptr;
            message->globals = nullptr;
        }
    }
    if (plugin) {
        if (Equal(caller, kSPAccessCaller) && Equal(selector, kSPAccessReloadSelector)) {
            plugin = QuillPlugIn::Reestablish(plugin);
            const StateBinding bound(plugin->state());
            result = plugin->ReloadPlugin(message);
        } else if (plugin->HoldsSuites()) {
            // Start-up is routed here too, right after it succeeded.
            const StateBinding bound(plugin->state());
            result = plugin->Message(caller, selector, message);
        }
        // The state goes while the code of its tools' operations is still loaded.
        if (Equal(caller, kSPAccessCaller) && Equal(selector, kSPAccessUnloadSelector))
            plugin->ReleaseState();
    }
    // Failures have been reported, where they are reported at all; the host is told 0.
    return result == kUnhandledMsgErr ? kNoErr : result;
}

}  // namespace

}  // namespace quill

extern "C" QUILL_EXPORT ASErr AIAPI PluginMain(const char* caller, const char* selector,
                                               void* message) {
    if (!message) return kNoErr;
    try {
        quill::HandleMessage(caller, selector, static_cast<SPMessageData*>(message));
    } catch (...) {
        // Nothing escapes to the host.
    }
    return kNoErr;
}
