// Undo and redo of the host: steps begun and ended around messages and host edits, and
// steps taken back or done again.
#include "host/core/event_state.h"
#include "host/core/host.h"
#include "host/core/registrations.h"
#include "host/core/undo_history.h"
#include "host/core/undo_texts.h"
#include "host/prefs/preference_store.h"

namespace host {

std::size_t Host::UndoLimit() {
    // A missing entry leaves the value as it was given.
    std::int32_t limit = static_cast<std::int32_t>(kDefaultUndoLimit);
    if (preferences_->GetInteger("", kUndoLimitPreference, &limit) != kNoErr || limit < 0)
        return kDefaultUndoLimit;
    return static_cast<std::size_t>(limit);
}

void Host::BeginStep(const std::string& name) {
    history_->Begin(*document_, name);
}

void Host::EndStep() {
    if (history_->End(UndoLimit())) log_->documentModified = true;
}

void Host::ReplaceDocumentAsStep(std::unique_ptr<Document> document, const std::string& name) {
    EndStep();
    UndoStep step;
    step.name = name;
    step.otherDocument = SwapDocument(std::move(document));
    history_->Push(std::move(step), UndoLimit());
}

std::string Host::GestureStepName(ObjectId toolId) {
    const ToolRecord* tool = registrations_->FindTool(toolId);
    if (!tool || tool->plugin == 0) return kMoveStepName;
    return tool->title == kPanelToolTitle ? kPanelStepName : tool->title;
}

void Host::ApplyStep(UndoStep& step, bool undo) {
    if (step.otherDocument) {
        step.otherDocument = SwapDocument(std::move(step.otherDocument));
        return;
    }
    std::vector<std::pair<ObjectId, const ArtRecord*>> records;
    records.reserve(step.changes.size());
    for (const ArtChange& change : step.changes)
        records.emplace_back(change.id, undo ? &change.before : &change.after);
    if (undo) {
        document_->Restore(records);
        // The layers the step made go with the art it put there, last made first.
        for (auto id = step.layersMade.rbegin(); id != step.layersMade.rend(); ++id)
            if (TakenLayer taken = document_->TakeEmptyLayer(*id); taken.layer)
                step.layersTaken.push_back(std::move(taken));
        return;
    }
    // Back first, so that the art the step put there finds them.
    for (auto taken = step.layersTaken.rbegin(); taken != step.layersTaken.rend(); ++taken)
        document_->PutBackLayer(std::move(*taken));
    step.layersTaken.clear();
    document_->Restore(records);
}

bool Host::Undo() {
    EndStep();
    if (!history_->nextUndo()) return false;
    UndoStep step = history_->TakeUndo();
    ApplyStep(step, true);
    history_->PushRedo(std::move(step));
    // The plug-in finds out as after any change of the selection: art it made may be gone.
    event_->selectionChanged = true;
    FinishEvent(true);
    return true;
}

bool Host::Redo() {
    EndStep();
    if (!history_->nextRedo()) return false;
    UndoStep step = history_->TakeRedo();
    ApplyStep(step, false);
    history_->PushUndoAgain(std::move(step));
    event_->selectionChanged = true;
    FinishEvent(true);
    return true;
}

std::string Host::UndoText() const {
    const UndoStep* step = history_->nextUndo();
    return step ? std::string(kUndoVerb) + " " + step->name : std::string();
}

std::string Host::RedoText() const {
    const UndoStep* step = history_->nextRedo();
    return step ? std::string(kRedoVerb) + " " + step->name : std::string();
}

}  // namespace host
