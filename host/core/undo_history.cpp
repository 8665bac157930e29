#include "host/core/undo_history.h"

#include <algorithm>

namespace host {

void UndoHistory::Begin(Document& document, const std::string& name) {
    if (recorder_.recording()) return;
    recorder_.Begin(document);
    name_ = name;
}

bool UndoHistory::End(std::size_t limit) {
    if (!recorder_.recording()) return false;
    RecordedStep recorded = recorder_.End();
    // Selecting is no step of its own, as in any illustration program: a step that did
    // nothing else is not kept.
    const bool onlySelection =
        recorded.layersMade.empty() &&
        std::all_of(recorded.changes.begin(), recorded.changes.end(), [](const ArtChange& change) {
            return OnlySelectionDiffers(change.before, change.after);
        });
    if (onlySelection) return false;
    UndoStep step;
    step.name = name_;
    step.changes = std::move(recorded.changes);
    step.layersMade = std::move(recorded.layersMade);
    Push(std::move(step), limit);
    return true;
}

void UndoHistory::Push(UndoStep step, std::size_t limit) {
    redo_.clear();
    undo_.push_back(std::move(step));
    Trim(limit);
}

void UndoHistory::Trim(std::size_t limit) {
    while (undo_.size() > limit) undo_.pop_front();
}

UndoStep UndoHistory::TakeUndo() {
    UndoStep step = std::move(undo_.back());
    undo_.pop_back();
    return step;
}

UndoStep UndoHistory::TakeRedo() {
    UndoStep step = std::move(redo_.back());
    redo_.pop_back();
    return step;
}

void UndoHistory::Clear() {
    recorder_.End();
    undo_.clear();
    redo_.clear();
}

}  // namespace host
