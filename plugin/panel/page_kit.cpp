#include "plugin/panel/page_kit.h"

#include "plugin/settings/label_styles.h"
#include "plugin/settings/preference_groups.h"
#include "plugin/text/number_writers.h"

namespace quill {
namespace {

constexpr Columns kGroupButtonColumns{11, 30};

// -1 for a click on the "-" button, +1 on the "+" button, 0 elsewhere.
int Direction(PanelUi& ui, Band band, Columns minus, Columns plus) {
    if (ui.Button(band, minus, "-")) return -1;
    if (ui.Button(band, plus, "+")) return 1;
    return 0;
}

constexpr float kValueAfterButton = 6;

Band RowAbove(Band band) {
    return {band.top - 1, band.top};
}

template <class Number>
bool LabelledNumber(PanelUi& ui, const SettingsRecord& settings, const char* label, Band band,
                    Columns minus, Columns plus, Number& value, const StepRule& rule,
                    const char* suffix) {
    ui.Text(minus.left, RowAbove(band),
            (std::string(label) + " " + PanelNumber(settings, value) + suffix).c_str());
    return Stepper(ui, band, minus, plus, value, rule);
}

}  // namespace

std::optional<PanelPage> ShownPage(const PanelState& panel) {
    for (PanelPage page : kPagesInChooserOrder)
        if (panel.IsOpen(page)) return page;
    return std::nullopt;
}

bool Stepper(PanelUi& ui, Band band, Columns minus, Columns plus, double& value,
             const StepRule& rule) {
    const int direction = Direction(ui, band, minus, plus);
    value = Stepped(value, direction, rule, ui.Shift(), ui.Alt());
    return direction != 0;
}

bool Stepper(PanelUi& ui, Band band, Columns minus, Columns plus, std::int32_t& value,
             const StepRule& rule) {
    double number = value;
    if (!Stepper(ui, band, minus, plus, number, rule)) return false;
    value = static_cast<std::int32_t>(number);
    return true;
}

bool LabelledStepper(PanelUi& ui, const SettingsRecord& settings, const char* label, Band band,
                     Columns minus, Columns plus, double& value, const StepRule& rule,
                     const char* suffix) {
    return LabelledNumber(ui, settings, label, band, minus, plus, value, rule, suffix);
}

bool LabelledStepper(PanelUi& ui, const SettingsRecord& settings, const char* label, Band band,
                     Columns minus, Columns plus, std::int32_t& value, const StepRule& rule,
                     const char* suffix) {
    return LabelledNumber(ui, settings, label, band, minus, plus, value, rule, suffix);
}

bool StepperWithValue(PanelUi& ui, const SettingsRecord& settings, Band band, Columns minus,
                      Columns plus, double& value, const StepRule& rule, const char* suffix) {
    const bool clicked = Stepper(ui, band, minus, plus, value, rule);
    ui.Text(plus.right + kValueAfterButton, band, (PanelNumber(settings, value) + suffix).c_str());
    return clicked;
}

bool PresetRows(PanelUi& ui, const Preset* presets, int count, float top, Columns columns,
                double& value) {
    for (int i = 0; i < count; ++i)
        if (ui.Choice(BandBelow(top, i), columns, presets[i].text, value == presets[i].value)) {
            value = presets[i].value;
            return true;
        }
    return false;
}

bool LabelledTwoWay(PanelUi& ui, const char* label, Band upper, Band lower, Columns columns,
                    const char* upperText, const char* lowerText, bool& flag) {
    ui.Text(columns.left, RowAbove(upper), label);
    return ui.TwoWay(upper, lower, columns, upperText, lowerText, flag);
}

bool GroupButtonColumn(PanelUi& ui, GroupButtons buttons, float top, const char* messageStart,
                       SettingsRecord& settings, PanelState& panel) {
    const int lastUsed = panel.lastGroupButton[static_cast<int>(buttons)];
    for (int group = 1; group <= kGroupCount; ++group) {
        const Band band = BandBelow(top, group - 1);
        if (ui.Hovered(band, kGroupButtonColumns)) ui.Help(GroupMessage(messageStart, group));
        if (ui.Button(band, kGroupButtonColumns, GroupButtonLabel(group), group == lastUsed)) {
            PlaceInGroup(buttons, group, settings, panel);
            return true;
        }
    }
    return false;
}

std::string PanelNumber(const SettingsRecord& settings, double value, int precision) {
    NumberText text;
    WriteDecimal(static_cast<float>(value), static_cast<std::int8_t>(precision),
                 MainSeparators(settings), text);
    return text;
}

const char* GroupButtonLabel(int groupNumber) {
    static const char* const kDigits[kGroupCount] = {"1", "2", "3", "4"};
    return groupNumber >= 1 && groupNumber <= kGroupCount ? kDigits[groupNumber - 1] : "";
}

std::string GroupMessage(const char* text, int groupNumber) {
    return std::string(text) + std::to_string(groupNumber) + ".";
}

}  // namespace quill
