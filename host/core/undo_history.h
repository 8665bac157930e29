// The host's undo and redo: each step is the change one message or one host edit made,
// kept as records of the arts it touched (or, for a step that replaced the document,
// the document it replaced), never as a copy of the drawing.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "host/document/step_recorder.h"

namespace host {

/// Steps kept when the host preference says nothing.
inline constexpr std::size_t kDefaultUndoLimit = 200;
/// The host preference (an integer) that limits the steps kept.
inline constexpr const char* kUndoLimitPreference = "undo/Levels";

/// One undoable step. Invariant: it changed something (changes, or a document swapped).
struct UndoStep {
    std::string name;  // what the step did, "Déplacement", shown after "Annuler " / "Rétablir "
    std::vector<ArtChange> changes;
    /// The layers the step made, in the order made; while the step is undone, the layers
    /// taken out, last made first.
    std::vector<ObjectId> layersMade;
    std::vector<TakenLayer> layersTaken;
    /// For a step that replaced the whole document: the other document (the one before
    /// while the step can be undone, the one after while it can be redone).
    std::unique_ptr<Document> otherDocument;
};

class UndoHistory {
 public:
    /// Starts recording a step named `name` in `document`; a step under way goes on
    /// (the press, drags and release of one gesture make one step) and keeps its name.
    void Begin(Document& document, const std::string& name);
    /// Whether a step is under way.
    bool recording() const { return recorder_.recording(); }
    /// Ends the step under way: kept when it changed anything but the selection (the redo
    /// steps go), left out otherwise. True when a step was kept.
    bool End(std::size_t limit);
    /// Keeps a step made whole (a document replaced); the redo steps go.
    void Push(UndoStep step, std::size_t limit);

    /// The step an undo (a redo) would take back (do again), or nullptr.
    const UndoStep* nextUndo() const { return undo_.empty() ? nullptr : &undo_.back(); }
    const UndoStep* nextRedo() const { return redo_.empty() ? nullptr : &redo_.back(); }
    /// Takes the step to undo out; the caller applies it and hands it to PushRedo.
    UndoStep TakeUndo();
    UndoStep TakeRedo();
    void PushRedo(UndoStep step) { redo_.push_back(std::move(step)); }
    /// After a redo: the step can be undone again; the other redo steps stay.
    void PushUndoAgain(UndoStep step) { undo_.push_back(std::move(step)); }
    std::size_t undoCount() const { return undo_.size(); }
    std::size_t redoCount() const { return redo_.size(); }
    /// Forgets every step (the step under way too).
    void Clear();

 private:
    void Trim(std::size_t limit);

    StepRecorder recorder_;
    std::string name_;  // of the step under way
    std::deque<UndoStep> undo_;
    std::vector<UndoStep> redo_;
};

}  // namespace host
