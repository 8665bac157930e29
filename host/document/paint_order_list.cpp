#include "host/document/paint_order_list.h"

#include <algorithm>

namespace host {

namespace {

// A block past twice this many entries is cut in two.
constexpr std::size_t kBlockLength = 512;

PaintRankValue RankOf(const Art* art) {
    return art->paintRank();
}

void AppendTree(Art& art, std::vector<Art*>& out) {
    out.push_back(&art);
    for (const auto& child : art.children()) AppendTree(*child, out);
}

}  // namespace

std::size_t PaintOrderList::BlockAfter(PaintRankValue rank) const {
    const auto it = std::partition_point(blocks_.begin(), blocks_.end(),
                                         [&](const Block& b) { return RankOf(b.back()) < rank; });
    return static_cast<std::size_t>(it - blocks_.begin());
}

void PaintOrderList::SplitIfLong(std::size_t block) {
    if (blocks_[block].size() <= 2 * kBlockLength) return;
    Block& whole = blocks_[block];
    Block upper(whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2), whole.end());
    whole.resize(whole.size() / 2);
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
}

void PaintOrderList::InsertTree(Art& art) {
    std::vector<Art*> tree;
    AppendTree(art, tree);
    const PaintRankValue rank = art.paintRank();
    std::size_t b = BlockAfter(rank);
    if (b == blocks_.size()) {
        if (blocks_.empty() || blocks_.back().size() >= kBlockLength) blocks_.emplace_back();
        b = blocks_.size() - 1;
    }
    Block& block = blocks_[b];
    const auto at = std::partition_point(block.begin(), block.end(),
                                         [&](const Art* a) { return RankOf(a) < rank; });
    block.insert(at, tree.begin(), tree.end());
    SplitIfLong(b);
}

void PaintOrderList::RemoveTree(const Art& art) {
    std::vector<Art*> tree;
    AppendTree(const_cast<Art&>(art), tree);
    std::size_t left = tree.size();
    std::size_t b = BlockAfter(art.paintRank());
    while (left > 0 && b < blocks_.size()) {
        Block& block = blocks_[b];
        const auto from = std::partition_point(
            block.begin(), block.end(), [&](const Art* a) { return RankOf(a) < art.paintRank(); });
        const auto count =
            std::min<std::size_t>(left, static_cast<std::size_t>(block.end() - from));
        block.erase(from, from + static_cast<std::ptrdiff_t>(count));
        left -= count;
        if (block.empty())
            blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
        else
            ++b;
    }
}

std::vector<Art*> PaintOrderList::ToVector() const {
    std::vector<Art*> all;
    ForEach([&](Art& art) { all.push_back(&art); });
    return all;
}

}  // namespace host
