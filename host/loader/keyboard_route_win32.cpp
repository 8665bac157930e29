#include <cstring>

#include "host/loader/keyboard_route.h"
#include "host/suites/key_state.h"

namespace host {

namespace {

SHORT WINAPI HostAsyncKeyState(int virtualKey) {
    // The high bit: the key is down.
    return HostKeyHeld(virtualKey) ? static_cast<SHORT>(0x8000) : 0;
}

bool IsUser32(const char* name) {
    return _stricmp(name, "user32.dll") == 0 || _stricmp(name, "user32") == 0;
}

// The import address slot of `function` among the module's imports from user32.
FARPROC* ImportSlot(HMODULE module, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.Size == 0) return nullptr;
    for (auto* library =
             reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         library->Name != 0; ++library) {
        if (!IsUser32(reinterpret_cast<const char*>(base + library->Name))) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + (library->OriginalFirstThunk
                                                                      ? library->OriginalFirstThunk
                                                                      : library->FirstThunk));
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<FARPROC*>(&slots->u1.Function);
        }
    }
    return nullptr;
}

}  // namespace

bool RouteKeyboardToHost(HMODULE module) {
    FARPROC* slot = ImportSlot(module, "GetAsyncKeyState");
    if (!slot) return false;
    DWORD was = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &was)) return false;
    // Through void*: the slot holds an address of whatever type the function has.
    *slot = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&HostAsyncKeyState));
    VirtualProtect(slot, sizeof *slot, was, &was);
    return true;
}

}  // namespace host
