// The document's art in paint order, kept as art comes and goes: a list in short blocks,
// so that art put anywhere in a large drawing moves only its block's entries.
//
// Each block carries a stamp that changes whenever what the block holds may have changed
// (art put in or taken out, art touched), so that what is worked out from a block can be
// kept until its stamp changes.
#pragma once

#include <cstddef>
#include <cstdint>
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
    void Clear() {
        blocks_.clear();
        touched_.clear();
        everyBlockTouched_ = false;
    }
    /// The art at `rank` is about to change: its block takes a new stamp before anyone
    /// next reads the stamps.
    void NoteTouched(PaintRankValue rank);

    /// Calls f for every art in paint order.
    template <typename F>
    void ForEach(F&& f) const {
        for (const auto& block : blocks_)
            for (Art* art : block.arts) f(*art);
    }
    /// Calls f(stamp, arts) for every block in paint order.
    template <typename F>
    void ForEachBlock(F&& f) const {
        StampTouched();
        for (const auto& block : blocks_) f(block.stamp, block.arts);
    }
    std::vector<Art*> ToVector() const;

 private:
    struct Block {
        std::vector<Art*> arts;
        mutable std::uint64_t stamp = 0;  // given anew when read after a touch
    };
    /// The first block whose last art is painted after `rank`, or the end.
    std::size_t BlockAfter(PaintRankValue rank) const;
    void SplitIfLong(std::size_t block);
    void Restamp(const Block& block) const { block.stamp = ++lastStamp_; }
    /// Gives the blocks of the art touched since the last reading a new stamp.
    void StampTouched() const;

    std::vector<Block> blocks_;
    mutable std::uint64_t lastStamp_ = 0;
    mutable std::vector<PaintRankValue> touched_;
    mutable bool everyBlockTouched_ = false;
};

}  // namespace host
