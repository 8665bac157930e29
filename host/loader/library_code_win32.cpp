#include <windows.h>

#include <cstdint>
#include <vector>

#include "host/loader/keyboard_route.h"
#include "host/loader/library_code.h"
#include "sdk/messages.h"
#include "sdk/resources.h"

namespace host {

namespace {

// The system's last error as a line of text.
std::string LastErrorText() {
    const DWORD code = GetLastError();
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length > 0 && text ? std::string(text, length) : "";
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(code) : message;
}

struct Listing {
    HMODULE module;
    std::uint32_t type;  // the archive's four-character code for the resource type
    ResourceArchive* resources;
};

// Adds one resource of a numbered name to the archive, its bytes as the library holds them.
BOOL CALLBACK AddResource(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR context) {
    auto* listing = reinterpret_cast<Listing*>(context);
    if (!IS_INTRESOURCE(name)) return TRUE;
    HRSRC found = FindResourceA(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    std::vector<std::uint8_t> copy;
    if (bytes) copy.assign(bytes, bytes + SizeofResource(module, found));
    const auto id = static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(name));
    listing->resources->Add(listing->type, id, std::move(copy));
    return TRUE;
}

}  // namespace

// The property list, icons and cursors are the DLL's own resources, read with the library
// mapped as data: none of its code runs.
bool ReadLibraryResources(const std::string& path, ResourceArchive* resources, std::string* error) {
    HMODULE data = LoadLibraryExA(path.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!data) {
        *error = path + ": cannot be read as a library: " + LastErrorText();
        return false;
    }
    const struct {
        LPCSTR type;
        std::uint32_t code;
    } kinds[] = {{"PIPL", static_cast<std::uint32_t>(kPIPLResourceType)},
                 {RT_GROUP_ICON, static_cast<std::uint32_t>(kIconResourceType)},
                 {RT_GROUP_CURSOR, static_cast<std::uint32_t>(kCursorResourceType)}};
    for (const auto& kind : kinds) {
        Listing listing{data, kind.code, resources};
        EnumResourceNamesA(data, kind.type, AddResource, reinterpret_cast<LONG_PTR>(&listing));
    }
    FreeLibrary(data);
    if (resources->size() > 0) return true;
    *error = path + ": the library carries no resources";
    return false;
}

const std::string& EntryPointName(const PluginProperties& properties) {
    return properties.win32Entry;
}

void* LoadLibraryCode(const std::string& path, std::string* error) {
    // A full path, so that the system's search order never picks another file.
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    HMODULE code = LoadLibraryA(length > 0 && length < MAX_PATH ? full : path.c_str());
    if (!code) {
        *error = path + ": cannot be loaded: " + LastErrorText();
        return nullptr;
    }
    RouteKeyboardToHost(code);
    return reinterpret_cast<void*>(code);
}

void* FindExport(void* code, const std::string& name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(code), name.c_str()));
}

void UnloadLibraryCode(void* code) {
    FreeLibrary(static_cast<HMODULE>(code));
}

}  // namespace host
