#include "host/loader/plugin_library.h"

#include <dlfcn.h>

#include "sdk/resources.h"

namespace host {

PluginLibrary::~PluginLibrary() {
    Close();
}

bool PluginLibrary::Open(const std::string& path, std::string* error) {
    Close();
    path_ = path;
    std::vector<std::uint8_t> section;
    if (!ReadElfSection(path, kResourceSectionName, &section, error)) return false;
    std::string why;
    if (!resources_.Parse(section, &why)) {
        *error = path + ": " + why;
        return false;
    }
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
    // The path is made explicit so that dlopen never searches the library path.
    std::string file = path_.find('/') == std::string::npos ? "./" + path_ : path_;
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = dlerror();
        *error = path_ + ": cannot be loaded: " + (why ? why : "unknown reason");
        return false;
    }
    void* symbol = dlsym(handle_, properties_.linuxEntry.c_str());
    if (!symbol) {
        *error = path_ + ": no entry point \"" + properties_.linuxEntry + "\"";
        Close();
        return false;
    }
    entry_ = reinterpret_cast<SPPluginMainProc>(symbol);
    return true;
}

void PluginLibrary::Close() {
    if (handle_) dlclose(handle_);
    handle_ = nullptr;
    entry_ = nullptr;
}

bool PluginLibrary::Reopen(std::string* error) {
    if (handle_) return true;
    return LoadCode(error);
}

}  // namespace host
