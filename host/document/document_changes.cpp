// What changed since a front end last asked, and where the selection may be: kept as the
// document changes, so that neither needs a walk over the whole drawing.
#include <algorithm>

#include "host/document/document.h"

namespace host {

namespace {

// Past this many changes a front end is better served by taking everything.
constexpr std::size_t kMostChangesListed = 4096;

}  // namespace

void Document::NoteChanged(const Art& art) {
    const Art* object = &art;
    while (object->parent_ && !object->parent_->layerOfGroup_) object = object->parent_;
    if (!object->parent_ || changed_.everything) return;
    if (!changed_.objects.empty() && changed_.objects.back() == object->id()) return;
    if (changed_.objects.size() >= kMostChangesListed) {
        changed_ = ChangedObjects{};
        changed_.everything = true;
        return;
    }
    changed_.objects.push_back(object->id());
}

void Document::NoteRestacked(const Art& parent) {
    if (changed_.everything) return;
    if (!parent.layerOfGroup_) {
        NoteChanged(parent);
        return;
    }
    const ObjectId layer = parent.layerOfGroup_->id();
    auto& layers = changed_.restackedLayers;
    if (std::find(layers.begin(), layers.end(), layer) == layers.end()) layers.push_back(layer);
}

void Document::NoteSelectable(const Art& art) {
    // Before the first question, the answer walks the document anyway.
    if (selectionKnown_) selectable_.push_back(art.id());
}

ChangedObjects Document::TakeChangedObjects() {
    ChangedObjects taken = std::move(changed_);
    changed_ = ChangedObjects{};
    return taken;
}

std::vector<Art*> Document::SelectedArt() const {
    if (!selectionKnown_) {
        ForEachArt([&](Art& art) { selectable_.push_back(art.id()); });
        selectionKnown_ = true;
    }
    // Only what is still selected stays a candidate; identities grow as art is made.
    std::sort(selectable_.begin(), selectable_.end());
    selectable_.erase(std::unique(selectable_.begin(), selectable_.end()), selectable_.end());
    std::vector<Art*> selected;
    std::vector<ObjectId> kept;
    for (ObjectId id : selectable_) {
        Art* art = FindArt(id);
        if (!art || !(art->attributes & kArtSelected)) continue;
        selected.push_back(art);
        kept.push_back(id);
    }
    selectable_ = std::move(kept);
    return selected;
}

}  // namespace host
