#include "host/document/step_recorder.h"

namespace host {

void StepRecorder::Begin(Document& document) {
    if (document_) document_->SetRecorder(nullptr);
    changes_.clear();
    layersMade_.clear();
    seen_.clear();
    childrenChanges_.clear();
    places_.Clear();
    document_ = &document;
    document.SetRecorder(this);
}

void StepRecorder::WillChange(const Art& art) {
    if (!seen_.emplace(art.id(), changes_.size()).second) return;
    ArtChange change;
    change.id = art.id();
    change.before.fields = CopyOwnFields(art);
    change.before.place = PlaceAtBeginning(places_.Of(*document_, art));
    changes_.push_back(std::move(change));
}

ArtPlace StepRecorder::PlaceAtBeginning(ArtPlace place) const {
    // Untouched so far, the art itself was neither put in nor taken out: only its
    // siblings below it moved it.
    for (auto it = childrenChanges_.rbegin(); it != childrenChanges_.rend(); ++it) {
        if (it->parent != place.parent) continue;
        if (it->inserted && it->index < place.index) --place.index;
        if (!it->inserted && it->index <= place.index) ++place.index;
    }
    return place;
}

void StepRecorder::ChildInserted(ObjectId parent, std::size_t index) {
    places_.ChildrenChanged(parent);
    childrenChanges_.push_back({parent, index, true});
}

void StepRecorder::ChildRemoved(ObjectId parent, std::size_t index) {
    places_.ChildrenChanged(parent);
    childrenChanges_.push_back({parent, index, false});
}

void StepRecorder::LayerMade(const Layer& layer) {
    layersMade_.push_back(layer.id());
}

void StepRecorder::Created(const Art& art) {
    if (!seen_.emplace(art.id(), changes_.size()).second) return;
    ArtChange change;
    change.id = art.id();
    changes_.push_back(std::move(change));
}

RecordedStep StepRecorder::End() {
    if (!document_) return {};
    document_->SetRecorder(nullptr);
    RecordedStep step;
    for (ArtChange& change : changes_) {
        if (const Art* art = document_->FindArt(change.id)) {
            change.after.fields = CopyOwnFields(*art);
            change.after.place = places_.Of(*document_, *art);
        }
        if (!SameRecord(change.before, change.after)) step.changes.push_back(std::move(change));
    }
    // A layer made and taken out again within the step is no change.
    for (ObjectId id : layersMade_)
        if (document_->FindLayer(id)) step.layersMade.push_back(id);
    changes_.clear();
    layersMade_.clear();
    seen_.clear();
    childrenChanges_.clear();
    places_.Clear();
    document_ = nullptr;
    return step;
}

}  // namespace host
