// The chooser and the sixteen parameter pages, each described once for drawing and for
// clicks (see panel_ui.h). A description changes the settings only for a click.
#pragma once

#include <string>

#include "plugin/panel/panel_ui.h"
#include "plugin/settings/panel_state.h"
#include "plugin/settings/settings_record.h"

namespace quill {

using PageDescription = void (*)(PanelUi& ui, SettingsRecord& settings, PanelState& panel);

/// The description of `page`.
PageDescription DescriptionOf(PanelPage page);
/// The name of `page` in the chooser ("Unité.").
const char* PageName(PanelPage page);

/// The chooser: the sixteen pages with their summaries and the four group buttons. Drawn
/// only: its clicks follow their own rules (panel_click.cpp).
void DescribeChooser(PanelUi& ui, SettingsRecord& settings, PanelState& panel);

/// The example of the number format: 34562803 grouped by the thousands separator, and the
/// decimals "123456" cut to the precision after the decimal separator.
std::string NumberFormatExample(const SettingsRecord& settings);

void DescribeUnitPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeDoubleMeasurePage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeNumberFormatPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeScalePage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeArrowheadsPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeLineFormatPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeFontPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeTextSizePage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeColoursPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeTolerancesPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeLayerNamePage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeSegmentToolPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeAngleToolPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeCircleToolPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeBezierToolPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);
void DescribeLengthsPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel);

}  // namespace quill
