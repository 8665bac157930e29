// Reads Quill.aip as a file, without loading it, and checks what the Windows host relies
// on before it runs any of its code: a 32-bit DLL whose one export is PluginMain, with the
// property list 16000 (a custom resource "PIPL"), icon groups 16051 to 16062 and cursor
// groups 21000 to 21010. Runs on the build machine, where wine may not run 32-bit code.
//
//   quill_check_package Quill.aip
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sdk/sdk.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kMachineI386 = 0x14c;
constexpr std::uint16_t kFileIsDll = 0x2000;
constexpr std::uint16_t kOptionalHeaderPE32 = 0x10b;
constexpr std::size_t kExportDirectory = 0;
constexpr std::size_t kResourceDirectory = 2;
constexpr std::uint32_t kGroupCursorType = 12;
constexpr std::uint32_t kGroupIconType = 14;
constexpr std::uint32_t kNamedEntry = 0x80000000u;
constexpr int kMaxResourceEntries = 4096;

int failures = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok) ++failures;
}

// The image: little-endian reads that answer 0 outside the file, and addresses (RVAs)
// mapped to file offsets through the section table.
class Image {
 public:
    explicit Image(Bytes bytes) : bytes_(std::move(bytes)) {
        const std::uint32_t pe = U32(0x3c);
        valid_ = U32(pe) == 0x00004550;  // "PE\0\0"
        machine_ = U16(pe + 4);
        characteristics_ = U16(pe + 22);
        const std::uint32_t optional = pe + 24;
        valid_ = valid_ && U16(optional) == kOptionalHeaderPE32;
        directories_ = optional + 96;
        const std::uint32_t sections = optional + U16(pe + 20);
        for (std::uint32_t i = 0; i < U16(pe + 6); ++i) {
            const std::uint32_t at = sections + i * 40;
            sections_.push_back({U32(at + 12), U32(at + 8), U32(at + 20)});
        }
    }

    bool IsDll32() const {
        return valid_ && machine_ == kMachineI386 && characteristics_ & kFileIsDll;
    }
    std::uint32_t DirectoryAddress(std::size_t index) const {
        return U32(directories_ + index * 8);
    }
    std::uint16_t U16(std::uint64_t at) const {
        return at + 2 <= bytes_.size()
                   ? static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8)
                   : 0;
    }
    std::uint32_t U32(std::uint64_t at) const {
        return static_cast<std::uint32_t>(U16(at)) | static_cast<std::uint32_t>(U16(at + 2)) << 16;
    }
    /// File offset of an address; 0 when no section holds it.
    std::uint64_t Offset(std::uint32_t address) const {
        for (const Section& s : sections_)
            if (address >= s.address && address - s.address < s.size)
                return static_cast<std::uint64_t>(s.fileOffset) + (address - s.address);
        return 0;
    }
    std::string CString(std::uint64_t at) const {
        std::string text;
        while (at < bytes_.size() && bytes_[at] != 0) text += static_cast<char>(bytes_[at++]);
        return text;
    }
    Bytes Slice(std::uint64_t at, std::uint32_t size) const {
        if (at > bytes_.size() || size > bytes_.size() - at) return {};
        return Bytes(bytes_.begin() + static_cast<std::ptrdiff_t>(at),
                     bytes_.begin() + static_cast<std::ptrdiff_t>(at + size));
    }

 private:
    struct Section {
        std::uint32_t address, size, fileOffset;
    };
    Bytes bytes_;
    std::vector<Section> sections_;
    bool valid_ = false;
    std::uint16_t machine_ = 0, characteristics_ = 0;
    std::uint32_t directories_ = 0;
};

std::vector<std::string> ExportedNames(const Image& image) {
    const std::uint64_t exports = image.Offset(image.DirectoryAddress(kExportDirectory));
    std::vector<std::string> names;
    if (exports == 0) return names;
    const std::uint32_t functionCount = image.U32(exports + 20);
    const std::uint32_t nameCount = image.U32(exports + 24);
    const std::uint64_t nameTable = image.Offset(image.U32(exports + 32));
    for (std::uint32_t i = 0; i < nameCount && i < kMaxResourceEntries; ++i)
        names.push_back(image.CString(image.Offset(image.U32(nameTable + i * 4))));
    if (functionCount != nameCount) names.emplace_back("<unnamed>");
    return names;
}

// The resources by type ("PIPL", or a number for the standard types) and id: the data of
// the first language of each.
using ResourceMap = std::map<std::string, std::map<std::uint32_t, Bytes>>;

std::string TypeName(const Image& image, std::uint64_t root, std::uint32_t nameOrId) {
    if (!(nameOrId & kNamedEntry)) return std::to_string(nameOrId);
    const std::uint64_t at = root + (nameOrId & ~kNamedEntry);
    std::string name;
    for (std::uint16_t i = 0; i < image.U16(at); ++i)
        name += static_cast<char>(image.U16(at + 2 + i * 2));  // UTF-16, ASCII names
    return name;
}

ResourceMap Resources(const Image& image) {
    ResourceMap resources;
    const std::uint64_t root = image.Offset(image.DirectoryAddress(kResourceDirectory));
    if (root == 0) return resources;
    auto entries = [&](std::uint64_t directory) {
        const int count = image.U16(directory + 12) + image.U16(directory + 14);
        return count < kMaxResourceEntries ? count : 0;
    };
    for (int t = 0; t < entries(root); ++t) {
        const std::uint64_t typeEntry = root + 16 + t * 8;
        const std::string type = TypeName(image, root, image.U32(typeEntry));
        const std::uint64_t ids = root + (image.U32(typeEntry + 4) & ~kNamedEntry);
        for (int i = 0; i < entries(ids); ++i) {
            const std::uint64_t idEntry = ids + 16 + i * 8;
            const std::uint64_t languages = root + (image.U32(idEntry + 4) & ~kNamedEntry);
            if (entries(languages) == 0) continue;
            const std::uint64_t data = root + image.U32(languages + 16 + 4);
            resources[type][image.U32(idEntry)] =
                image.Slice(image.Offset(image.U32(data)), image.U32(data + 4));
        }
    }
    return resources;
}

// A property of a property list by key (little-endian, as the archive's).
std::string Property(const Bytes& list, std::uint32_t key) {
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

std::set<std::uint32_t> IdsOf(const ResourceMap& resources, const std::string& type) {
    std::set<std::uint32_t> ids;
    auto found = resources.find(type);
    if (found != resources.end())
        for (const auto& [id, data] : found->second)
            if (!data.empty()) ids.insert(id);
    return ids;
}

std::set<std::uint32_t> Range(std::uint32_t first, std::uint32_t last) {
    std::set<std::uint32_t> ids;
    for (std::uint32_t id = first; id <= last; ++id) ids.insert(id);
    return ids;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quill_check_package PLUGIN.aip\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    Check(static_cast<bool>(file), std::string("read ") + argv[1]);
    if (!file) return 1;
    const Image image(Bytes{std::istreambuf_iterator<char>(file), {}});
    Check(image.IsDll32(), "a 32-bit x86 DLL");
    Check(ExportedNames(image) == std::vector<std::string>{"PluginMain"},
          "PluginMain is the one export");

    const ResourceMap resources = Resources(image);
    const Bytes pipl =
        IdsOf(resources, "PIPL").count(16000) ? resources.at("PIPL").at(16000) : Bytes{};
    Check(Property(pipl, kPIPLKindProperty) == std::string("AEPS", 4), "PIPL 16000 kind 'SPEA'");
    Check(Property(pipl, kPIPLWin32X86CodeProperty) == std::string("PluginMain\0", 11),
          "PIPL 16000 entry point");
    Check(Property(pipl, kPIPLPluginNameProperty) == std::string("Quill\0", 6), "PIPL 16000 name");
    Check(IdsOf(resources, std::to_string(kGroupIconType)) == Range(16051, 16062),
          "icon groups 16051 to 16062");
    Check(IdsOf(resources, std::to_string(kGroupCursorType)) == Range(21000, 21010),
          "cursor groups 21000 to 21010");
    std::printf("%s\n", failures == 0 ? "all passed" : "some checks failed");
    return failures == 0 ? 0 : 1;
}
