// Live art by identity. Identities grow as art is made, so nearly all are found at their
// place in a table that starts at the document's first identity: a walk over art made
// one after the other reads the table in order. Identities older than the table's start
// (or left far below the rest when the table is made smaller) are kept in a map.
// Beside each art of the table lies a summary of its tag names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "host/document/art.h"
#include "host/document/tag_name_summary.h"

namespace host {

class ArtRegistry {
 public:
    struct Slot {
        Art* art = nullptr;
        TagNameSummary tagNames;
    };

    void Add(ObjectId id, Art* art);
    void Remove(ObjectId id);
    Art* Find(ObjectId id) const {
        if (id >= base_ && id - base_ < slots_.size()) return slots_[id - base_].art;
        if (older_.empty()) return nullptr;
        const auto it = older_.find(id);
        return it == older_.end() ? nullptr : it->second;
    }
    /// The table's slot of the art, or nullptr for art kept in the map (or none).
    Slot* FindSlot(ObjectId id) {
        if (id < base_ || id - base_ >= slots_.size() || !slots_[id - base_].art) return nullptr;
        return &slots_[id - base_];
    }
    /// To be told before the art's tags change.
    void ForgetTagNames(ObjectId id) {
        if (Slot* slot = FindSlot(id)) slot->tagNames.Forget();
    }
    std::size_t size() const { return live_; }
    /// Room for `count` more pieces of art made one after the other.
    void Reserve(std::size_t count) { slots_.reserve(slots_.size() + count); }

 private:
    /// Makes the table start higher when it has grown mostly empty.
    void Compact();

    ObjectId base_ = 0;
    std::vector<Slot> slots_;  // slots_[i]: the art of identity base_ + i, or none
    std::unordered_map<ObjectId, Art*> older_;
    std::size_t live_ = 0;
};

}  // namespace host
