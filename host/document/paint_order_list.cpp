#include "host/document/paint_order_list.h"

#include <algorithm>

namespace host {

namespace {

// A block past twice this many entries is cut in two.
constexpr std::size_t kBlockLength = 512;
// Past this many touches before a reading, every block takes a new stamp.
constexpr std::size_t kMostTouchesKept = 4096;

PaintRankValue RankOf(const Art* art) {
    return art->paintRank();
}

void AppendTree(Art& art, std::vector<Art*>& out) {
    out.push_back(&art);
    for (const auto& child : art.children()) AppendTree(*child, out);
}

}  // namespace

std::size_t PaintOrderList::BlockAfter(PaintRankValue rank) const {
    const auto it = std::partition_point(blocks_.begin(), blocks_.end(), [&](const Block& b) {
        return RankOf(b.arts.back()) < rank;
    });
    return static_cast<std::size_t>(it - blocks_.begin());
}

void PaintOrderList::SplitIfLong(std::size_t block) {
    if (blocks_[block].arts.size() <= 2 * kBlockLength) return;
    std::vector<Art*>& whole = blocks_[block].arts;
    Block upper;
    upper.arts.assign(whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2), whole.end());
    whole.resize(whole.size() / 2);
    Restamp(upper);
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
}

void PaintOrderList::InsertTree(Art& art) {
    std::vector<Art*> tree;
    AppendTree(art, tree);
    const PaintRankValue rank = art.paintRank();
    std::size_t b = BlockAfter(rank);
    if (b == blocks_.size()) {
        if (blocks_.empty() || blocks_.back().arts.size() >= kBlockLength) blocks_.emplace_back();
        b = blocks_.size() - 1;
    }
    Block& block = blocks_[b];
    const auto at = std::partition_point(block.arts.begin(), block.arts.end(),
                                         [&](const Art* a) { return RankOf(a) < rank; });
    block.arts.insert(at, tree.begin(), tree.end());
    Restamp(block);
    SplitIfLong(b);
}

void PaintOrderList::RemoveTree(const Art& art) {
    std::vector<Art*> tree;
    AppendTree(const_cast<Art&>(art), tree);
    std::size_t left = tree.size();
    std::size_t b = BlockAfter(art.paintRank());
    while (left > 0 && b < blocks_.size()) {
        std::vector<Art*>& arts = blocks_[b].arts;
        const auto from = std::partition_point(
            arts.begin(), arts.end(), [&](const Art* a) { return RankOf(a) < art.paintRank(); });
        const auto count = std::min<std::size_t>(left, static_cast<std::size_t>(arts.end() - from));
        arts.erase(from, from + static_cast<std::ptrdiff_t>(count));
        left -= count;
        if (arts.empty()) {
            blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
        } else {
            Restamp(blocks_[b]);
            ++b;
        }
    }
}

void PaintOrderList::NoteTouched(PaintRankValue rank) {
    if (everyBlockTouched_ || (!touched_.empty() && touched_.back() == rank)) return;
    if (touched_.size() < kMostTouchesKept) {
        touched_.push_back(rank);
    } else {
        touched_.clear();
        everyBlockTouched_ = true;
    }
}

void PaintOrderList::StampTouched() const {
    if (everyBlockTouched_) {
        for (const Block& block : blocks_) Restamp(block);
        everyBlockTouched_ = false;
        return;
    }
    if (touched_.empty()) return;
    std::sort(touched_.begin(), touched_.end());
    std::size_t b = 0, restamped = blocks_.size();
    for (PaintRankValue rank : touched_) {
        while (b < blocks_.size() && RankOf(blocks_[b].arts.back()) < rank) ++b;
        if (b == blocks_.size()) break;
        if (b != restamped) Restamp(blocks_[b]);
        restamped = b;
    }
    touched_.clear();
}

std::vector<Art*> PaintOrderList::ToVector() const {
    std::vector<Art*> all;
    ForEach([&](Art& art) { all.push_back(&art); });
    return all;
}

}  // namespace host
