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

PanelState& Panel() {
    static PanelState panel;
    return panel;
}

void ClosePanelAtMouseUp(PanelState& panel, bool groupRecalled) {
    if (groupRecalled && panel.phase == 2) {
        panel.phase = 1;
    } else if (panel.phase > 2) {
        panel.phase = 0;
        panel.ClearPageFlags();
    }
}

}  // namespace quill
