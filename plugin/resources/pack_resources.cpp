// Packs the plug-in's resources into one archive (the format of sdk/resources.h) and
// writes it as a C++ source that links it into the library: in the "quill_rsrc" section
// where the library is an ELF file, so that a host can read it before loading, and
// behind OwnResourceArchive() for the plug-in itself. Runs on the build machine.
//
//   quill_pack_resources OUTPUT.cpp MANIFEST...
//   quill_pack_resources --property-list OUTPUT.bin NAME ENTRY
//
// The second form writes the property list alone, for the Windows resource script.
//
// A manifest holds one resource a line ('#' starts a comment); files are found from the
// manifest's folder:
//   pipl ID NAME ENTRY          the property list: kind 'SPEA', interface version 2, the
//                               entry point for Windows x86 and Linux, the plug-in's name
//   icon ID FILE.svg
//   cursor ID HOTX HOTY FILE.svg
//   strings ID FILE.txt         a string list, one entry a line, UTF-8 in the file
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "plugin/text/cp1252_literal.h"
#include "sdk/messages.h"
#include "sdk/resources.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Resource {
    std::uint32_t type;
    std::int32_t id;
    Bytes data;
};

constexpr std::uint32_t kInterfaceVersion = 2;

void PutU32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutU16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PadToFour(Bytes& out) {
    while (out.size() % 4) out.push_back(0);
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutProperty(Bytes& out, std::uint32_t key, const Bytes& value) {
    PutU32(out, kPIPLVendorAdobe);
    PutU32(out, key);
    PutU32(out, static_cast<std::uint32_t>(value.size()));
    out.insert(out.end(), value.begin(), value.end());
    PadToFour(out);
}

Bytes Text(const std::string& text) {
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

Bytes Word(std::uint32_t value) {
    Bytes bytes;
    PutU32(bytes, value);
    return bytes;
}

Bytes PropertyList(const std::string& name, const std::string& entry) {
    Bytes out;
    PutU32(out, 5);
    PutProperty(out, kPIPLKindProperty, Word(kSPIllustratorPluginKind));
    PutProperty(out, kPIPLInterfaceVersionProperty, Word(kInterfaceVersion));
    PutProperty(out, kPIPLWin32X86CodeProperty, Text(entry));
    PutProperty(out, kPIPLLinuxCodeProperty, Text(entry));
    PutProperty(out, kPIPLPluginNameProperty, Text(name));
    return out;
}

Bytes Cursor(int hotX, int hotY, const Bytes& svg) {
    Bytes out;
    PutU16(out, static_cast<std::uint16_t>(hotX));
    PutU16(out, static_cast<std::uint16_t>(hotY));
    out.insert(out.end(), svg.begin(), svg.end());
    return out;
}

// UTF-8 to the plug-in's Windows-1252, character by character.
std::string ToWindows1252(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        unsigned codePoint = length == 1 ? byte : byte & (0x3Fu >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            codePoint = codePoint << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        out += quill::Cp1252FromCodePoint(codePoint);
        i += length;
    }
    return out;
}

Bytes StringList(const Bytes& file) {
    std::vector<std::string> entries;
    std::string line;
    for (std::uint8_t byte : file) {
        if (byte == '\n') {
            entries.push_back(ToWindows1252(line));
            line.clear();
        } else if (byte != '\r') {
            line += static_cast<char>(byte);
        }
    }
    if (!line.empty()) entries.push_back(ToWindows1252(line));
    Bytes out;
    PutU16(out, static_cast<std::uint16_t>(entries.size()));
    for (const std::string& entry : entries) {
        out.insert(out.end(), entry.begin(), entry.end());
        out.push_back(0);
    }
    return out;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

void ReadManifest(const std::string& path, std::vector<Resource>& resources) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    const std::string folder = FolderOf(path) + "/";
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string kind, name, entry, file;
        std::int32_t id = 0;
        int hotX = 0, hotY = 0;
        if (!(words >> kind)) continue;
        const std::string where = path + ":" + std::to_string(number) + ": ";
        if (!(words >> id)) throw std::runtime_error(where + "a resource id is expected");
        if (kind == "pipl" && words >> name >> entry)
            resources.push_back({kPIPLResourceType, id, PropertyList(name, entry)});
        else if (kind == "icon" && words >> file)
            resources.push_back({kIconResourceType, id, ReadFile(folder + file)});
        else if (kind == "cursor" && words >> hotX >> hotY >> file)
            resources.push_back(
                {kCursorResourceType, id, Cursor(hotX, hotY, ReadFile(folder + file))});
        else if (kind == "strings" && words >> file)
            resources.push_back({kStringListResourceType, id, StringList(ReadFile(folder + file))});
        else
            throw std::runtime_error(where + "cannot read \"" + line + "\"");
    }
}

Bytes Archive(const std::vector<Resource>& resources) {
    Bytes out(&kResourceArchiveMagic[0], &kResourceArchiveMagic[4]);
    PutU32(out, static_cast<std::uint32_t>(resources.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(8 + 16 * resources.size());
    for (const Resource& resource : resources) {
        PutU32(out, resource.type);
        PutU32(out, static_cast<std::uint32_t>(resource.id));
        PutU32(out, offset);
        PutU32(out, static_cast<std::uint32_t>(resource.data.size()));
        offset += static_cast<std::uint32_t>((resource.data.size() + 3) & ~std::size_t{3});
    }
    for (const Resource& resource : resources) {
        out.insert(out.end(), resource.data.begin(), resource.data.end());
        PadToFour(out);
    }
    return out;
}

void WriteSource(const std::string& path, const Bytes& archive) {
    std::ofstream out(path);
    out << "// Written by quill_pack_resources from the resource manifests at every build.\n"
           "#include \"plugin/services/resource_archive.h\"\n\n"
           "namespace {\n\n"
           "alignas(4)\n"
           "#if defined(__ELF__)\n"
           "// The host reads this section from the library's file before it loads the library.\n"
           "__attribute__((section(\"" kResourceSectionName
           "\"), used))\n"
           "#endif\n"
           "const std::uint8_t kArchive[] = {";
    for (std::size_t i = 0; i < archive.size(); ++i) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02x,", archive[i]);
        out << (i % 16 == 0 ? "\n    " : " ") << hex;
    }
    out << "\n};\n\n}  // namespace\n\n"
           "namespace quill {\n\n"
           "ResourceBytes OwnResourceArchive() {\n"
           "    return {kArchive, sizeof kArchive};\n"
           "}\n\n"
           "}  // namespace quill\n";
    if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
    const bool propertyListAlone = argc == 5 && std::string(argv[1]) == "--property-list";
    if (argc < 3 || (std::string(argv[1]) == "--property-list" && !propertyListAlone)) {
        std::cerr << "usage: quill_pack_resources OUTPUT.cpp MANIFEST...\n"
                     "       quill_pack_resources --property-list OUTPUT.bin NAME ENTRY\n";
        return 2;
    }
    try {
        if (propertyListAlone) {
            WriteBytes(argv[2], PropertyList(argv[3], argv[4]));
            return 0;
        }
        std::vector<Resource> resources;
        for (int i = 2; i < argc; ++i) ReadManifest(argv[i], resources);
        WriteSource(argv[1], Archive(resources));
    } catch (const std::exception& error) {
        std::cerr << "quill_pack_resources: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
