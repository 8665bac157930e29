#include "host/document/sibling_places.h"

namespace host {

namespace {

// Walks of one parent's children before its table is made: a step that touches a few art
// (a drag of one path) needs none.
constexpr std::size_t kWalksBeforeTable = 32;

}  // namespace

ArtPlace SiblingPlaces::Of(const Document& document, const Art& art) {
    const Art* parent = art.parent();
    if (!parent) return {};
    Children& children = parents_[parent->id()];
    if (children.places.empty()) {
        if (children.walks < kWalksBeforeTable) {
            ++children.walks;
            return document.PlaceOf(art);
        }
        const auto& siblings = parent->children();
        children.places.reserve(siblings.size());
        for (std::size_t i = 0; i < siblings.size(); ++i) children.places[siblings[i].get()] = i;
    }
    const auto found = children.places.find(&art);
    return found != children.places.end() ? ArtPlace{parent->id(), found->second}
                                          : document.PlaceOf(art);
}

}  // namespace host
