#include "host/loader/resource_archive.h"

#include <cstring>
#include <iterator>
#include <utility>

#include "sdk/resources.h"

namespace host {

namespace {

/// Little-endian reader over a byte image that never reads past its end.
class ByteReader {
 public:
    ByteReader(const std::vector<std::uint8_t>& bytes, std::size_t at = 0)
        : bytes_(bytes), at_(at) {}
    bool U32(std::uint32_t* value) {
        if (!Has(4)) return false;
        *value = static_cast<std::uint32_t>(bytes_[at_]) |
                 static_cast<std::uint32_t>(bytes_[at_ + 1]) << 8 |
                 static_cast<std::uint32_t>(bytes_[at_ + 2]) << 16 |
                 static_cast<std::uint32_t>(bytes_[at_ + 3]) << 24;
        at_ += 4;
        return true;
    }
    bool Skip(std::size_t n) {
        if (!Has(n)) return false;
        at_ += n;
        return true;
    }
    bool Has(std::size_t n) const { return n <= bytes_.size() && at_ <= bytes_.size() - n; }
    std::size_t at() const { return at_; }

 private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_;
};

/// A zero-terminated string of a property value (the terminator must be present).
bool PropertyString(const std::uint8_t* data, std::uint32_t length, std::string* out) {
    const void* end = std::memchr(data, 0, length);
    if (!end) return false;
    out->assign(reinterpret_cast<const char*>(data),
                static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - data));
    return true;
}

/// One property of vendor 'ADBE' into `properties`; false when its value is malformed.
bool ReadProperty(std::uint32_t key, const std::uint8_t* data, std::uint32_t length,
                  PluginProperties* properties) {
    std::vector<std::uint8_t> value(data, data + length);
    switch (key) {
        case kPIPLKindProperty:
            return ByteReader(value).U32(&properties->kind);
        case kPIPLInterfaceVersionProperty:
            return ByteReader(value).U32(&properties->interfaceVersion);
        case kPIPLWin32X86CodeProperty:
            return PropertyString(data, length, &properties->win32Entry);
        case kPIPLLinuxCodeProperty:
            return PropertyString(data, length, &properties->linuxEntry);
        case kPIPLPluginNameProperty:
            return PropertyString(data, length, &properties->name);
        default:
            return true;
    }
}

}  // namespace

std::string FourCharText(std::uint32_t code) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) text += static_cast<char>((code >> shift) & 0xFF);
    return text;
}

bool ResourceArchive::Parse(const std::vector<std::uint8_t>& image, std::string* error) {
    resources_.clear();
    ByteReader reader(image);
    std::uint32_t count = 0;
    if (image.size() < 8 || std::memcmp(image.data(), kResourceArchiveMagic, 4) != 0) {
        *error = "the resource archive does not start with \"QRSC\"";
        return false;
    }
    reader.Skip(4);
    reader.U32(&count);
    if (count > image.size() / 16) {
        *error = "the resource archive counts more entries than it holds";
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t type = 0, id = 0, offset = 0, size = 0;
        if (!reader.U32(&type) || !reader.U32(&id) || !reader.U32(&offset) || !reader.U32(&size)) {
            *error = "the resource archive's entries are cut short";
            return false;
        }
        if (offset > image.size() || size > image.size() - offset) {
            *error = "resource '" + FourCharText(type) + "' " +
                     std::to_string(static_cast<std::int32_t>(id)) + " lies outside the archive";
            return false;
        }
        auto begin = image.begin() + static_cast<std::ptrdiff_t>(offset);
        resources_[{type, static_cast<std::int32_t>(id)}] =
            std::vector<std::uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(size));
    }
    return true;
}

const std::vector<std::uint8_t>* ResourceArchive::Find(std::uint32_t type, std::int32_t id) const {
    auto it = resources_.find({type, id});
    return it == resources_.end() ? nullptr : &it->second;
}

void ResourceArchive::Add(std::uint32_t type, std::int32_t id, std::vector<std::uint8_t> bytes) {
    resources_[{type, id}] = std::move(bytes);
}

std::optional<std::int32_t> ResourceArchive::FirstId(std::uint32_t type) const {
    for (const auto& [key, bytes] : resources_)
        if (key.first == type) return key.second;
    return std::nullopt;
}

bool ParsePropertyList(const std::vector<std::uint8_t>& bytes, PluginProperties* properties,
                       std::string* error) {
    ByteReader reader(bytes);
    std::uint32_t count = 0;
    if (!reader.U32(&count) || count > bytes.size() / 12) {
        *error = "the property list is empty or cut short";
        return false;
    }
    *properties = PluginProperties{};
    bool hasKind = false;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t vendor = 0, key = 0, length = 0;
        if (!reader.U32(&vendor) || !reader.U32(&key) || !reader.U32(&length) ||
            !reader.Has(length)) {
            *error = "property " + std::to_string(i + 1) + " of the property list is cut short";
            return false;
        }
        const std::uint8_t* data = bytes.data() + reader.at();
        std::uint32_t padded = (length + 3u) & ~3u;
        if (!reader.Skip(reader.Has(padded) ? padded : length)) return false;
        if (vendor != kPIPLVendorAdobe) continue;
        bool ok = ReadProperty(key, data, length, properties);
        hasKind = hasKind || (ok && key == kPIPLKindProperty);
        if (!ok) {
            *error = "property '" + FourCharText(key) + "' of the property list is malformed";
            return false;
        }
    }
    if (!hasKind || properties->kind != kSPIllustratorPluginKind) {
        *error = hasKind ? "the property list's kind is '" + FourCharText(properties->kind) +
                               "', not 'SPEA'"
                         : "the property list has no kind";
        return false;
    }
    if (properties->linuxEntry.empty()) {
        *error = "the property list names no Linux entry point ('lx64')";
        return false;
    }
    return true;
}

}  // namespace host
