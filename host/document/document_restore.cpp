// Putting art back as records say: what an undo or a redo does to the document.
#include <algorithm>
#include <unordered_map>

#include "host/document/document.h"

namespace host {

void Document::Restore(const std::vector<std::pair<ObjectId, const ArtRecord*>>& records) {
    ChangeRecorder* recorder = recorder_;
    recorder_ = nullptr;
    // Every art named leaves its parent first, taking the children nobody named with it:
    // then each can go back at its own position, whatever order they come in.
    std::unordered_map<ObjectId, std::unique_ptr<Art>> loose;
    for (const auto& [id, record] : records) {
        Art* art = FindArt(id);
        if (!art || art->layerOfGroup_ || !art->parent_) continue;
        loose[id] = Detach(art);
    }
    for (const auto& [id, record] : records) {
        auto found = loose.find(id);
        if (!record->exists()) {
            if (found != loose.end()) {
                Unregister(*found->second);
                loose.erase(found);
            }
            continue;
        }
        if (found == loose.end() || found->second->kind_ != record->fields->kind_)
            found =
                loose.insert_or_assign(id, std::make_unique<Art>(id, record->fields->kind_)).first;
        WriteOwnFields(*record->fields, *found->second);
    }
    // Back in place from the bottom up, so that each position counts the ones below it.
    std::vector<const std::pair<ObjectId, const ArtRecord*>*> placed;
    for (const auto& entry : records)
        if (entry.second->exists()) placed.push_back(&entry);
    std::stable_sort(placed.begin(), placed.end(), [](const auto* a, const auto* b) {
        return a->second->place.index < b->second->place.index;
    });
    // Parents may be among the arts put back, before or after their children.
    std::unordered_map<ObjectId, Art*> putBack;
    for (const auto& [id, art] : loose) putBack[id] = art.get();
    std::vector<Art*> inserted;
    for (const auto* entry : placed) {
        const ArtPlace& place = entry->second->place;
        auto parentPutBack = putBack.find(place.parent);
        Art* parent =
            parentPutBack != putBack.end() ? parentPutBack->second : FindArt(place.parent);
        auto own = loose.find(entry->first);
        if (!parent || !HoldsArt(parent->kind_) || own == loose.end()) continue;
        inserted.push_back(Insert(std::move(own->second), Placement{parent, place.index}));
        loose.erase(own);
    }
    // What found no parent goes, as a step whose parent vanished cannot put it anywhere.
    for (auto& entry : loose)
        if (entry.second) Unregister(*entry.second);
    for (Art* art : inserted)
        if (LayerOf(art)) {
            Register(*art);
            NotifyAdded(*art);
            NoteChanged(*art);
            NoteSelectable(*art);
        }
    recorder_ = recorder;
    Changed();
}

}  // namespace host
