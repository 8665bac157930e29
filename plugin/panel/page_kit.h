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

/// A number whose label, value and `suffix` stand on the row above its "-" and "+"
/// buttons, from the "-" button's column. True when a button took the click.
bool LabelledStepper(PanelUi& ui, const SettingsRecord& settings, const char* label, Band band,
                     Columns minus, Columns plus, double& value, const StepRule& rule,
                     const char* suffix = "");
bool LabelledStepper(PanelUi& ui, const SettingsRecord& settings, const char* label, Band band,
                     Columns minus, Columns plus, std::int32_t& value, const StepRule& rule,
                     const char* suffix = "");
/// A number whose value and `suffix` follow its "+" button on the same row.
bool StepperWithValue(PanelUi& ui, const SettingsRecord& settings, Band band, Columns minus,
                      Columns plus, double& value, const StepRule& rule, const char* suffix);

/// A preset value of a list, and its text.
struct Preset {
    double value;
    const char* text;
};
/// The presets one row each from `top` rows; the one equal to `value` is marked, a click
/// sets it. True when one took the click.
bool PresetRows(PanelUi& ui, const Preset* presets, int count, float top, Columns columns,
                double& value);

/// A two-way choice with its label on the row above it.
bool LabelledTwoWay(PanelUi& ui, const char* label, Band upper, Band lower, Columns columns,
                    const char* upperText, const char* lowerText, bool& flag);

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
