// What the parameter pages are built of beyond the panel's items: numbers with their "-"
// and "+" buttons, the four group buttons of a page, and the numbers as the panel writes
// them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "plugin/panel/panel_ui.h"
#include "plugin/panel/steps.h"
#include "plugin/settings/panel_state.h"
#include "plugin/settings/settings_record.h"

namespace quill {

/// The parameter pages, in the order of the chooser's rows (which is also the order in
/// which the open page is looked for when the panel is drawn).
inline constexpr PanelPage kPagesInChooserOrder[kPanelPageCount] = {
    PanelPage::Unit,         PanelPage::DoubleMeasure,
    PanelPage::NumberFormat, PanelPage::Scale,
    PanelPage::Arrowheads,   PanelPage::LineFormat,
    PanelPage::Font,         PanelPage::TextSize,
    PanelPage::Colours,      PanelPage::Tolerances,
    PanelPage::LayerName,    PanelPage::SegmentTool,
    PanelPage::AngleTool,    PanelPage::CircleTool,
    PanelPage::BezierTool,   PanelPage::LengthsAndAreas,
};

/// The page the panel shows: the first whose page-open flag is set, in the chooser's order.
std::optional<PanelPage> ShownPage(const PanelState& panel);

/// A "-" and a "+" button on `value`; true when either took the click, even where the
/// floor or the limit kept the value.
bool Stepper(PanelUi& ui, Band band, Columns minus, Columns plus, double& value,
             const StepRule& rule);
bool Stepper(PanelUi& ui, Band band, Columns minus, Columns plus, std::int32_t& value,
             const StepRule& rule);

/// The four group buttons of a page, column 11 to 30, one row each from `top` rows: the
/// one used last is shaded; the message of the one under the pointer, `messageStart`
/// followed by its number and ".", is a help line; a click places the page's value in its
/// group and writes it at once. True when one took the click.
bool GroupButtonColumn(PanelUi& ui, GroupButtons buttons, float top, const char* messageStart,
                       SettingsRecord& settings, PanelState& panel);

/// A number of the panel in the main decimal and thousands separators, with at most
/// `precision` decimals (trailing zeros dropped).
std::string PanelNumber(const SettingsRecord& settings, double value, int precision = 4);

/// The label of group button `groupNumber` (1 to 4): its number.
const char* GroupButtonLabel(int groupNumber);

/// `text` followed by the number of a preference group and ".".
std::string GroupMessage(const char* text, int groupNumber);

}  // namespace quill
