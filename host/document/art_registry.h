// Live art by identity. Identities grow as art is made, so nearly all are found at their
// place in a table that starts at the document's first identity: a walk over art made
// one after the other reads the table in order. Identities older than the table's start
// (or left far below the rest when the table is made smaller) are kept in a map.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "host/document/art.h"

namespace host {

class ArtRegistry {
 public:
    void Add(ObjectId id, Art* art);
    void Remove(ObjectId id);
    Art* Find(ObjectId id) const {
        if (id >= base_ && id - base_ < slots_.size()) return slots_[id - base_];
        if (older_.empty()) return nullptr;
        const auto it = older_.find(id);
        return it == older_.end() ? nullptr : it->second;
    }
    std::size_t size() const { return live_; }
    /// Room for `count` more pieces of art made one after the other.
    void Reserve(std::size_t count) { slots_.reserve(slots_.size() + count); }

 private:
    /// Makes the table start higher when it has grown mostly empty.
    void Compact();

    ObjectId base_ = 0;
    std::vector<Art*> slots_;  // slots_[i]: the art of identity base_ + i, or nullptr
    std::unordered_map<ObjectId, Art*> older_;
    std::size_t live_ = 0;
};

}  // namespace host
