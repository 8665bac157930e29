// Records what one step does to a document: for each art it touches, how the art stood
// before (taken at the first touch) and after (taken when the step ends). Art the step
// did not touch costs nothing.
#pragma once

#include <unordered_map>
#include <vector>

#include "host/document/document.h"
#include "host/document/sibling_places.h"

namespace host {

/// One art's change in a step. Invariant: `before` and `after` differ.
struct ArtChange {
    ObjectId id = 0;
    ArtRecord before, after;
};

/// What a step did: the arts it changed, in the order they were first touched, and the
/// layers it made, in the order made.
struct RecordedStep {
    std::vector<ArtChange> changes;
    std::vector<ObjectId> layersMade;
};

class StepRecorder : public ChangeRecorder {
 public:
    /// Starts recording the changes of `document` (which tells this recorder of them).
    void Begin(Document& document);
    /// Whether a step is being recorded.
    bool recording() const { return document_ != nullptr; }
    /// Stops recording; what the step did. Arts that ended as they began are left out.
    RecordedStep End();

    void WillChange(const Art& art) override;
    void Created(const Art& art) override;
    void ChildInserted(ObjectId parent, std::size_t index) override;
    void ChildRemoved(ObjectId parent, std::size_t index) override;
    void LayerMade(const Layer& layer) override;

 private:
    /// Where an art untouched so far stood when the step began, from where it stands now.
    ArtPlace PlaceAtBeginning(ArtPlace place) const;

    Document* document_ = nullptr;
    std::vector<ArtChange> changes_;
    std::vector<ObjectId> layersMade_;
    std::unordered_map<ObjectId, std::size_t> seen_;  // identity -> index in changes_
    /// Children put in and taken out so far, in order: an art first touched after them
    /// stood elsewhere when the step began.
    struct ChildrenChange {
        ObjectId parent;
        std::size_t index;
        bool inserted;
    };
    std::vector<ChildrenChange> childrenChanges_;
    SiblingPlaces places_;
};

}  // namespace host
