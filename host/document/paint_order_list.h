// The document's art in paint order, kept as art comes and goes: a list in short blocks,
// so that art put anywhere in a large drawing moves only its block's entries.
#pragma once

#include <cstddef>
#include <vector>

#include "host/document/art.h"

namespace host {

class PaintOrderList {
 public:
    /// Puts the art and its children (ranked, consecutive in paint order) in their place.
    void InsertTree(Art& art);
    /// Takes the art and its children out; their ranks must still be those they were put
    /// in with (or dealt again since in the same order).
    void RemoveTree(const Art& art);
    void Clear() { blocks_.clear(); }

    /// Calls f for every art in paint order.
    template <typename F>
    void ForEach(F&& f) const {
        for (const auto& block : blocks_)
            for (Art* art : block) f(*art);
    }
    std::vector<Art*> ToVector() const;

 private:
    using Block = std::vector<Art*>;
    /// The first block whose last art is painted after `rank`, or the end.
    std::size_t BlockAfter(PaintRankValue rank) const;
    void SplitIfLong(std::size_t block);

    std::vector<Block> blocks_;
};

}  // namespace host
