#include "plugin/services/resource_archive.h"

#include <cstring>

#include "sdk/resources.h"

namespace quill {

namespace {

constexpr std::size_t kHeaderSize = 8;  // magic, entry count
constexpr std::size_t kEntrySize = 16;  // type, id, offset, size

// Archive numbers are little-endian whatever the machine.
std::uint32_t ReadU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

}  // namespace

ResourceBytes FindResource(ResourceBytes archive, std::uint32_t type, std::int32_t id) {
    if (!archive.data || archive.size < kHeaderSize ||
        std::memcmp(archive.data, kResourceArchiveMagic, 4) != 0)
        return {};
    const std::size_t count = ReadU32(archive.data + 4);
    if (count > (archive.size - kHeaderSize) / kEntrySize) return {};
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = archive.data + kHeaderSize + i * kEntrySize;
        if (ReadU32(entry) != type || static_cast<std::int32_t>(ReadU32(entry + 4)) != id) continue;
        const std::size_t offset = ReadU32(entry + 8);
        const std::size_t size = ReadU32(entry + 12);
        if (offset > archive.size || size > archive.size - offset) return {};
        return {archive.data + offset, size};
    }
    return {};
}

std::vector<std::string> ReadStringList(ResourceBytes list) {
    std::vector<std::string> entries;
    if (!list.data || list.size < 2) return entries;
    const std::size_t count = static_cast<std::size_t>(list.data[0]) | list.data[1] << 8;
    std::size_t at = 2;
    while (entries.size() < count && at < list.size) {
        const void* end = std::memchr(list.data + at, '\0', list.size - at);
        if (!end) break;
        const auto* last = static_cast<const std::uint8_t*>(end);
        entries.emplace_back(reinterpret_cast<const char*>(list.data + at),
                             static_cast<std::size_t>(last - (list.data + at)));
        at = static_cast<std::size_t>(last - list.data) + 1;
    }
    return entries;
}

}  // namespace quill
