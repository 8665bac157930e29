// Loads the plug-in as the Windows host does and checks what the host relies on: the
// library loads, PluginMain is its one export, its property list, icon groups and cursor
// groups are found, and it answers a host that offers no suite with 0.
//
//   load_plugin Quill.aip
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "sdk/sdk.h"

namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok) ++failures;
}

std::vector<std::string> ExportedNames(HMODULE module) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    std::vector<std::string> names;
    if (directory.Size == 0) return names;
    const auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    const auto* nameOffsets = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.emplace_back(reinterpret_cast<const char*>(base + nameOffsets[i]));
    if (exports->NumberOfFunctions != exports->NumberOfNames) names.emplace_back("<unnamed>");
    return names;
}

std::vector<std::uint8_t> Resource(HMODULE module, int id, const char* type) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
    return bytes ? std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module, found))
                 : std::vector<std::uint8_t>();
}

// The properties of a property list by key (little-endian, as the archive's).
std::string Property(const std::vector<std::uint8_t>& list, std::uint32_t key) {
    auto u32 = [&](std::size_t at) {
        std::uint32_t value = 0;
        if (at + 4 <= list.size()) std::memcpy(&value, &list[at], 4);
        return value;
    };
    std::size_t at = 4;
    for (std::uint32_t i = 0; i < u32(0) && at + 12 <= list.size(); ++i) {
        const std::uint32_t length = u32(at + 8);
        if (u32(at + 4) == key && at + 12 + length <= list.size())
            return std::string(reinterpret_cast<const char*>(&list[at + 12]), length);
        at += 12 + ((length + 3) & ~3u);
    }
    return "<none>";
}

int acquisitions = 0;

ASErr AIAPI OfferNothing(const char*, int32_t, const void** suite) {
    ++acquisitions;
    *suite = nullptr;
    return kSuiteNotFoundErr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: load_plugin PLUGIN.aip\n");
        return 2;
    }
    HMODULE module = LoadLibraryA(argv[1]);
    Check(module != nullptr, std::string("LoadLibrary ") + argv[1]);
    if (!module) return 1;

    const auto names = ExportedNames(module);
    Check(names == std::vector<std::string>{"PluginMain"}, "PluginMain is the one export");
    // The generic procedure type is only a carrier: the entry point is cdecl with three arguments.
    auto entry = reinterpret_cast<SPPluginMainProc>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "PluginMain")));
    Check(entry != nullptr, "GetProcAddress PluginMain");

    const auto pipl = Resource(module, 16000, "PIPL");
    Check(Property(pipl, kPIPLKindProperty) == std::string("AEPS", 4), "PIPL 16000 kind 'SPEA'");
    Check(Property(pipl, kPIPLWin32X86CodeProperty) == std::string("PluginMain\0", 11),
          "PIPL 16000 entry point");
    Check(Property(pipl, kPIPLPluginNameProperty) == std::string("Quill\0", 6), "PIPL 16000 name");
    for (int id = 16051; id <= 16062; ++id) {
        const bool found =
            !Resource(module, id, reinterpret_cast<const char*>(RT_GROUP_ICON)).empty();
        const bool loads = LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, 0) != nullptr;
        Check(found && loads, "icon group " + std::to_string(id));
    }
    for (int id = 21000; id <= 21010; ++id) {
        const bool found =
            !Resource(module, id, reinterpret_cast<const char*>(RT_GROUP_CURSOR)).empty();
        const bool loads = LoadCursorA(module, MAKEINTRESOURCEA(id)) != nullptr;
        Check(found && loads, "cursor group " + std::to_string(id));
    }

    if (entry) {
        SPBasicSuite basic{};
        basic.AcquireSuite = OfferNothing;
        SPMessageData message{};
        message.basic = &basic;
        Check(entry(kSPInterfaceCaller, kSPInterfaceStartupSelector, &message) == kNoErr &&
                  message.globals == nullptr && acquisitions == 1,
              "start-up without suites answers 0 and keeps nothing");
        Check(entry(kCallerAITool, kSelectorAIToolMouseDown, &message) == kNoErr,
              "a message before start-up answers 0");
    }
    FreeLibrary(module);
    std::printf("%s\n", failures == 0 ? "all passed" : "some checks failed");
    return failures == 0 ? 0 : 1;
}
