#include "host/core/plugins.h"

#include <algorithm>

#include "host/suites/handles.h"

namespace host {

LoadedPlugin* PluginManager::Load(const std::string& path, std::string* error) {
    auto plugin = std::make_unique<LoadedPlugin>();
    if (!plugin->library.Open(path, error)) return nullptr;
    plugin->id = NextObjectId();
    plugin->name = plugin->library.properties().name;
    plugins_.push_back(std::move(plugin));
    return plugins_.back().get();
}

LoadedPlugin* PluginManager::Find(ObjectId id) {
    if (id == 0) return nullptr;
    for (auto& plugin : plugins_)
        if (plugin->id == id) return plugin.get();
    return nullptr;
}

LoadedPlugin* PluginManager::Find(SPPluginRef ref) {
    return Find(IdOf(ref));
}

ASErr PluginManager::Send(LoadedPlugin& plugin, const char* caller, const char* selector,
                          SPMessageData* message) {
    SPPluginMainProc entry = plugin.library.entry();
    if (!entry) return kCantHappenErr;
    message->SPCheck = kSPValidSPMessageData;
    message->self = ToHandle<SPPluginRef>(plugin.id);
    message->globals = plugin.globals;
    message->basic = HostBasicSuite();
    ++depth_;
    ASErr result = kCantHappenErr;
    try {
        result = entry(caller, selector, message);
    } catch (...) {
        // A plug-in that lets an exception out is answered as if the call had failed.
    }
    --depth_;
    plugin.globals = message->globals;
    if (depth_ == 0)
        for (auto& loaded : plugins_) CloseWhenIdle(*loaded);
    return result;
}

ObjectId PluginManager::AcquireAccess(LoadedPlugin& plugin) {
    ObjectId access = NextObjectId();
    plugin.accessRefs.push_back(access);
    return access;
}

bool PluginManager::ReleaseAccess(ObjectId access) {
    for (auto& plugin : plugins_) {
        auto& refs = plugin->accessRefs;
        auto it = std::find(refs.begin(), refs.end(), access);
        if (it == refs.end()) continue;
        refs.erase(it);
        if (refs.empty() && plugin->unloadWhenReleased) {
            plugin->closeRequested = true;
            if (depth_ == 0) CloseWhenIdle(*plugin);
        }
        return true;
    }
    return false;
}

void PluginManager::CloseWhenIdle(LoadedPlugin& plugin) {
    if (!plugin.closeRequested) return;
    plugin.library.Close();
    plugin.closeRequested = false;
    plugin.unloadWhenReleased = false;
}

}  // namespace host
