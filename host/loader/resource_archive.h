// The resources a plug-in library carries in its "quill_rsrc" ELF section, read from
// the file before the library is loaded, and the property list among them.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace host {

/// Resources by (type, id); types are four-character codes ('ICON', 'CURS', ...).
class ResourceArchive {
 public:
    using Key = std::pair<std::uint32_t, std::int32_t>;

    /// Parses an archive image; false with `error` set when it is malformed.
    bool Parse(const std::vector<std::uint8_t>& image, std::string* error);
    /// Adds a resource read another way (a Windows library's own resources).
    void Add(std::uint32_t type, std::int32_t id, std::vector<std::uint8_t> bytes);
    /// The resource's bytes, or nullptr when the archive has no such resource.
    const std::vector<std::uint8_t>* Find(std::uint32_t type, std::int32_t id) const;
    /// The id of the first resource of that type, if any (the property list has one).
    std::optional<std::int32_t> FirstId(std::uint32_t type) const;
    std::size_t size() const { return resources_.size(); }

 private:
    std::map<Key, std::vector<std::uint8_t>> resources_;
};

/// Reads the bytes of the named section of an ELF file. False with `error` set (one
/// line naming the file) when the file is not an ELF library or lacks the section.
bool ReadElfSection(const std::string& path, const std::string& section,
                    std::vector<std::uint8_t>* bytes, std::string* error);

/// What the host needs from a plug-in property list.
struct PluginProperties {
    std::uint32_t kind = 0;
    std::uint32_t interfaceVersion = 0;
    std::string win32Entry;
    std::string linuxEntry;
    std::string name;
};

/// Parses a 'PIPL' resource; false with `error` set when it is malformed, is not an
/// illustration-host plug-in ('SPEA'), or names no Linux entry point.
bool ParsePropertyList(const std::vector<std::uint8_t>& bytes, PluginProperties* properties,
                       std::string* error);

/// Writes a four-character code as its characters ("SPEA").
std::string FourCharText(std::uint32_t code);

}  // namespace host
