// What the host itself does to the drawing: its selection tool's gestures, nudges and
// deletions, each one undoable step.
#include "host/core/event_state.h"
#include "host/core/host.h"
#include "host/core/selection_tool.h"
#include "host/core/undo_texts.h"
#include "sdk/sdk.h"

namespace host {

void Host::SendToSelectionTool(MouseEvent kind, AIRealPoint point) {
    const bool shift = event_->keysDown.count(kVirtualKeyShift) ||
                       event_->keysDown.count(kVirtualKeyLeftShift) ||
                       event_->keysDown.count(kVirtualKeyRightShift);
    switch (kind) {
        case MouseEvent::Down:
            selectionTool_->Press(point, shift);
            break;
        case MouseEvent::Drag:
            selectionTool_->Drag(point);
            break;
        case MouseEvent::Up:
            selectionTool_->Release(point);
            break;
        case MouseEvent::Move:
            break;
    }
}

bool Host::NudgeSelection(float dx, float dy) {
    const std::vector<Art*> objects = SelectedObjects(*document_);
    if (objects.empty()) return false;
    EndStep();
    BeginStep(kMoveStepName);
    MoveObjects(*document_, objects, dx, dy);
    EndStep();
    FinishEvent(true);
    return true;
}

bool Host::DeleteSelection() {
    const std::vector<Art*> objects = SelectedObjects(*document_);
    if (objects.empty()) return false;
    EndStep();
    BeginStep(kDeleteStepName);
    for (Art* object : objects) document_->Dispose(object);
    EndStep();
    // The art the plug-in saw selected is gone.
    event_->selectionChanged = true;
    FinishEvent(true);
    return true;
}

}  // namespace host
