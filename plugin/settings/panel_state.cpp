#include "plugin/settings/panel_state.h"

namespace quill {

PanelPage PageOfGroupButtons(GroupButtons buttons) {
    switch (buttons) {
        case GroupButtons::Unit:
            return PanelPage::Unit;
        case GroupButtons::Precision:
            return PanelPage::NumberFormat;
        case GroupButtons::Scale:
            return PanelPage::Scale;
        case GroupButtons::ArrowShape:
        case GroupButtons::ArrowSize:
            return PanelPage::Arrowheads;
        case GroupButtons::LineWidth:
            return PanelPage::LineFormat;
        case GroupButtons::TextSize:
            break;
    }
    return PanelPage::TextSize;
}

void PanelState::SwitchOffStepMultipliers() {
    sizeStepTimesTen = false;
    scaleStepTimesTen = false;
    scaleStepTimesHundred = false;
}

void PanelState::ClearPageFlags() {
    for (bool& open : pageOpen) open = false;
}

void ClosePanelAtMouseUp(PanelState& panel, bool groupRecalled) {
    if (groupRecalled && panel.phase == PanelPhase::Page) {
        panel.phase = PanelPhase::Chooser;
    } else if (panel.phase == PanelPhase::ClosingAtMouseUp) {
        panel.phase = PanelPhase::Closed;
        panel.ClearPageFlags();
    }
}

}  // namespace quill
