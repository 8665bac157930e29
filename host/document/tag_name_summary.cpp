#include "host/document/tag_name_summary.h"

#include <algorithm>

#include "host/document/art.h"

namespace host {

namespace {

unsigned BitOf(std::string_view tagName) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const char c : tagName) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return (hash ^ (hash >> 16)) & 63u;
}

bool SameName(const std::string& key, std::string_view tagName) {
    return key.size() == tagName.size() && key.compare(0, key.size(), tagName) == 0;
}

}  // namespace

void TagNameSummary::Learn(const Art& art) {
    std::uint64_t names = 0;
    for (std::size_t i = 0; i < art.tags.size(); ++i) {
        const unsigned bit = BitOf(art.tags[i].first);
        names |= std::uint64_t{1} << bit;
        if (i < kPlaces) bitAt_[i] = static_cast<std::uint8_t>(bit);
    }
    // Every name's bit set would read as unknown; it only means the art is always read.
    names_ = names;
    tags_ = art.tags.data();
    count_ = static_cast<std::uint32_t>(art.tags.size());
}

const std::string* TagNameSummary::Find(std::string_view tagName) const {
    const unsigned bit = BitOf(tagName);
    if (!(names_ >> bit & 1u)) return nullptr;
    const std::size_t placed = std::min<std::size_t>(count_, kPlaces);
    for (std::size_t i = 0; i < placed; ++i)
        if (bitAt_[i] == bit && SameName(tags_[i].first, tagName)) return &tags_[i].second;
    for (std::size_t i = placed; i < count_; ++i)
        if (SameName(tags_[i].first, tagName)) return &tags_[i].second;
    return nullptr;
}

}  // namespace host
