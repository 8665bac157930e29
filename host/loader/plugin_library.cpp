#include "host/loader/plugin_library.h"

#include "host/loader/library_code.h"
#include "sdk/resources.h"

namespace host {

PluginLibrary::~PluginLibrary() {
    Close();
}

bool PluginLibrary::Open(const std::string& path, std::string* error) {
    Close();
    path_ = path;
    resources_ = ResourceArchive();
    if (!ReadLibraryResources(path, &resources_, error)) return false;
    std::string why;
    auto piplId = resources_.FirstId(kPIPLResourceType);
    if (!piplId) {
        *error = path + ": the resources hold no property list ('PIPL')";
        return false;
    }
    if (!ParsePropertyList(*resources_.Find(kPIPLResourceType, *piplId), &properties_, &why)) {
        *error = path + ": " + why;
        return false;
    }
    return LoadCode(error);
}

bool PluginLibrary::LoadCode(std::string* error) {
    handle_ = LoadLibraryCode(path_, error);
    if (!handle_) return false;
    const std::string& name = EntryPointName(properties_);
    void* symbol = FindExport(handle_, name);
    if (!symbol) {
        *error = path_ + ": no entry point \"" + name + "\"";
        Close();
        return false;
    }
    entry_ = reinterpret_cast<SPPluginMainProc>(symbol);
    return true;
}

void PluginLibrary::Close() {
    if (handle_) UnloadLibraryCode(handle_);
    handle_ = nullptr;
    entry_ = nullptr;
}

bool PluginLibrary::Reopen(std::string* error) {
    if (handle_) return true;
    return LoadCode(error);
}

}  // namespace host
