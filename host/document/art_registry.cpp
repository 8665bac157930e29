#include "host/document/art_registry.h"

#include <algorithm>
#include <utility>

namespace host {

namespace {

// The table may hold this many slots per live art (and this many more) before it is made
// smaller; once made smaller it holds at most half as many.
constexpr std::size_t kSlotsPerArt = 8;
constexpr std::size_t kSpareSlots = 65536;

}  // namespace

void ArtRegistry::Add(ObjectId id, Art* art) {
    if (slots_.empty() && older_.empty()) base_ = id;
    if (id < base_) {
        if (older_.emplace(id, art).second) ++live_;
        return;
    }
    const std::size_t slot = static_cast<std::size_t>(id - base_);
    if (slot >= slots_.size()) slots_.resize(slot + 1, nullptr);
    if (!slots_[slot]) ++live_;
    slots_[slot] = art;
    if (slots_.size() > kSlotsPerArt * live_ + kSpareSlots) Compact();
}

void ArtRegistry::Remove(ObjectId id) {
    if (id >= base_ && id - base_ < slots_.size()) {
        Art*& slot = slots_[id - base_];
        if (slot) --live_;
        slot = nullptr;
    } else if (older_.erase(id) > 0) {
        --live_;
    }
    if (live_ == 0) {
        slots_.clear();
        older_.clear();
    }
}

void ArtRegistry::Compact() {
    std::vector<std::pair<ObjectId, Art*>> live(older_.begin(), older_.end());
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i]) live.emplace_back(base_ + i, slots_[i]);
    std::sort(live.begin(), live.end());
    // The table starts at the lowest identity from which it stays dense enough.
    const ObjectId top = live.back().first;
    std::size_t first = live.size() - 1;
    for (std::size_t i = live.size(); i-- > 0;) {
        const std::size_t above = live.size() - i;
        if (top - live[i].first + 1 <= kSlotsPerArt / 2 * above + kSpareSlots / 2) first = i;
    }
    older_.clear();
    for (std::size_t i = 0; i < first; ++i) older_.emplace(live[i]);
    base_ = live[first].first;
    slots_.assign(static_cast<std::size_t>(top - base_ + 1), nullptr);
    for (std::size_t i = first; i < live.size(); ++i)
        slots_[live[i].first - base_] = live[i].second;
}

}  // namespace host
