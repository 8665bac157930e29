#include <dlfcn.h>

#include "host/loader/library_code.h"
#include "sdk/resources.h"

namespace host {

bool ReadLibraryResources(const std::string& path, ResourceArchive* resources, std::string* error) {
    std::vector<std::uint8_t> section;
    if (!ReadElfSection(path, kResourceSectionName, &section, error)) return false;
    std::string why;
    if (resources->Parse(section, &why)) return true;
    *error = path + ": " + why;
    return false;
}

const std::string& EntryPointName(const PluginProperties& properties) {
    return properties.linuxEntry;
}

void* LoadLibraryCode(const std::string& path, std::string* error) {
    // The path is made explicit so that dlopen never searches the library path.
    std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    void* code = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!code) {
        const char* why = dlerror();
        *error = path + ": cannot be loaded: " + (why ? why : "unknown reason");
    }
    return code;
}

void* FindExport(void* code, const std::string& name) {
    return dlsym(code, name.c_str());
}

void UnloadLibraryCode(void* code) {
    dlclose(code);
}

}  // namespace host
