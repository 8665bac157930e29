// What the document knows of an art's tag names without reading the art: a dimension's
// search for its measured path asks every path below it for a tag that nearly none
// carries, and the art it does carry it on holds several tags.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace host {

class Art;

class TagNameSummary {
 public:
    /// Not known: the art's tags have not been read since they last may have changed.
    bool known() const { return names_ != kUnknown; }
    void Forget() { names_ = kUnknown; }
    /// Reads the art's tag names; the summary then stands for the art's tags until they
    /// change, and must be forgotten before.
    void Learn(const Art& art);
    /// The art's tag `tagName`, or nullptr when it carries none; reads only the tag whose
    /// name may be it (nothing at all for nearly all art). The summary must be known.
    const std::string* Find(std::string_view tagName) const;

 private:
    using Tag = std::pair<std::string, std::string>;
    static constexpr std::uint64_t kUnknown = ~std::uint64_t{0};
    static constexpr std::size_t kPlaces = 8;
    std::uint64_t names_ = kUnknown;  // one bit per name, names sharing bits
    const Tag* tags_ = nullptr;       // the art's tags, read in place
    std::uint32_t count_ = 0;
    std::array<std::uint8_t, kPlaces> bitAt_{};  // the bit of each of the first tags' names
};

}  // namespace host
