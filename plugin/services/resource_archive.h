// The plug-in's own resources, read from the archive linked into the library (the
// format of sdk/resources.h), never through the host. Pure: every offset and count read
// from an archive is checked against its size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quill {

/// A run of bytes; `data` is nullptr and `size` 0 when there is nothing.
struct ResourceBytes {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

/// The archive linked into this library (defined by the generated resource source).
ResourceBytes OwnResourceArchive();

/// The contents of resource (`type`, `id`) of an archive; nothing when the archive lacks
/// it or is malformed.
ResourceBytes FindResource(ResourceBytes archive, std::uint32_t type, std::int32_t id);

/// The entries of a string list resource in order (entry 1 first), as Windows-1252 bytes.
/// A list cut short keeps the entries read in full.
std::vector<std::string> ReadStringList(ResourceBytes list);

}  // namespace quill
