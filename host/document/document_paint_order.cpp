// The document's art as one list in paint order, with each art's place in it: hit tests
// rank what they find and the matching-art suite answers from it, without walking the tree
// at every question while only the art's fields change.
#include "host/document/document.h"

namespace host {

namespace {

void AppendInPaintOrder(const Art& group, std::vector<Art*>& order) {
    for (const auto& child : group.children()) {
        order.push_back(child.get());
        AppendInPaintOrder(*child, order);
    }
}

}  // namespace

const std::vector<Art*>& Document::ArtInPaintOrder() const {
    if (paintOrderKnown_) return paintOrder_;
    paintOrder_.clear();
    paintOrder_.reserve(arts_.size());
    for (const auto& layer : layers_) AppendInPaintOrder(*layer->group(), paintOrder_);
    std::uint32_t rank = 0;
    for (const Art* art : paintOrder_) art->paintRank_ = ++rank;
    paintOrderKnown_ = true;
    return paintOrder_;
}

std::uint32_t Document::PaintRank(const Art& art) const {
    ArtInPaintOrder();
    return art.paintRank_;
}

}  // namespace host
