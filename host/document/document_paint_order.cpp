// Where each art stands in the paint order, kept as the tree changes: hit tests rank what
// they find by it and the matching-art suite answers from the list, without walking the
// tree at every question.
//
// Ranks are spread out, so that art put in between two others takes ranks between theirs
// and nothing else moves; only when no room is left are all ranks dealt again.
#include <algorithm>
#include <limits>

#include "host/document/document.h"

namespace host {

namespace {

// The distance between neighbours when all ranks are dealt again, and the most that art
// put after another moves past it, so that many can follow one after the other.
constexpr PaintRankValue kRankSpacing = PaintRankValue{1} << 32;
constexpr PaintRankValue kRankStep = PaintRankValue{1} << 16;
constexpr PaintRankValue kPastEverything = std::numeric_limits<PaintRankValue>::max();

const Art& LastPainted(const Art& art) {
    const Art* last = &art;
    while (!last->children().empty()) last = last->children().back().get();
    return *last;
}

std::size_t CountTree(const Art& art) {
    std::size_t count = 1;
    for (const auto& child : art.children()) count += CountTree(*child);
    return count;
}

std::size_t IndexAmongSiblings(const Art& art) {
    const auto& siblings = art.parent()->children();
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [&](const auto& a) { return a.get() == &art; });
    return static_cast<std::size_t>(it - siblings.begin());
}

}  // namespace

void Document::RankTree(const Art& art, PaintRankValue step, PaintRankValue& next) const {
    art.paintRank_ = next;
    next += step;
    for (const auto& child : art.children()) RankTree(*child, step, next);
}

void Document::RankEverything() {
    PaintRankValue next = kRankSpacing;
    for (const auto& layer : layers_) RankTree(*layer->group(), kRankSpacing, next);
}

PaintRankValue Document::RankAfterTree(const Art& art, std::size_t index) const {
    const Art* node = &art;
    for (;;) {
        const Art& parent = *node->parent_;
        if (index + 1 < parent.children_.size()) return parent.children_[index + 1]->paintRank_;
        if (parent.layerOfGroup_) {
            const std::size_t layer = LayerPosition(parent.layerOfGroup_);
            return layer + 1 < layers_.size() ? layers_[layer + 1]->group()->paintRank_
                                              : kPastEverything;
        }
        node = &parent;
        index = IndexAmongSiblings(parent);
    }
}

void Document::PlaceInPaintOrder(Art& art, std::size_t index) {
    if (!LayerOf(&art)) return;  // placed with the ancestor that takes it into a layer
    const Art& parent = *art.parent_;
    const PaintRankValue before =
        index > 0 ? LastPainted(*parent.children_[index - 1]).paintRank_ : parent.paintRank_;
    const PaintRankValue room = RankAfterTree(art, index) - before;
    const std::size_t count = CountTree(art);
    if (room > count) {
        const PaintRankValue step = std::min(kRankStep, room / (count + 1));
        PaintRankValue next = before + step;
        RankTree(art, step, next);
    } else {
        RankEverything();  // the list's order stays that of the ranks dealt again
    }
    paintOrder_.InsertTree(art);
}

void Document::TakeOutOfPaintOrder(const Art& art) {
    if (LayerOf(&art)) paintOrder_.RemoveTree(art);
}

PaintRankValue Document::PaintRank(const Art& art) const {
    return art.paintRank_;
}

}  // namespace host
