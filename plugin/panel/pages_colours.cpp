// The pages "Couleurs." and "Tolérances.".
#include <cstdint>
#include <string>

#include "plugin/dimensions/paint_styles.h"
#include "plugin/panel/page_kit.h"
#include "plugin/panel/panel_pages.h"
#include "plugin/panel/texts.h"
#include "plugin/services/suites.h"

namespace quill {
namespace {

constexpr Columns kColourColumns{44, 166};
constexpr Columns kColourSwatch{170, 190};
constexpr Columns kTwoWayColumns{44, 78};
constexpr Band kFillUpper{3.2f, 4.2f}, kFillLower{4.2f, 5.2f};
constexpr Band kStrokeUpper{6.8f, 7.8f}, kStrokeLower{7.8f, 8.8f};
constexpr Band kNearCursorBand{9.2f, 10.2f};
constexpr Columns kNearCursorColumns{44, 280};

// Tolerance page: tolerance 2's numbers lie 5.5 rows below tolerance 1's.
constexpr float kSecondToleranceShift = 5.5f;
constexpr Band kWithToleranceBands[2] = {{0, 1.3f}, {5.8f, 6.8f}};
constexpr Columns kWithToleranceColumns{16, 163};
constexpr Band kValueBand{2.2f, 3.2f};
constexpr Band kOffsetBand{4.3f, 5.3f};
constexpr Columns kMinus{36, 72}, kPlus{84, 120};
constexpr Columns kSignColumns[3] = {{124, 144}, {146, 166}, {168, 188}};
constexpr Columns kTimesTenColumns{192, 242};
constexpr float kLabelColumn = 36;

Band Shifted(Band band, float rows) {
    return {band.top + rows, band.bottom + rows};
}

const char* SignText(std::int32_t symbol) {
    switch (symbol) {
        case 0:
            return texts::kPlusSign.c_str();
        case 2:
            return texts::kPlusMinusSign.c_str();
        default:
            return texts::kMinusSign.c_str();
    }
}

const char* ToleranceHeading(int index) {
    return index == 0 ? texts::kTolerance1.c_str() : texts::kTolerance2.c_str();
}

// A help line the page shows for each tolerance says which one it speaks of.
std::string ForTolerance(int index, const char* help) {
    return std::string(ToleranceHeading(index)) + " " + help;
}

// One tolerance's items, `shift` rows below tolerance 1's place.
void DescribeTolerance(PanelUi& ui, SettingsRecord& settings, int index, float shift) {
    ToleranceSetting& tolerance = settings.tolerances[index];
    if (ui.CheckBox(kWithToleranceBands[index], kWithToleranceColumns,
                    index == 0 ? texts::kWithTolerance1.c_str() : texts::kWithTolerance2.c_str(),
                    tolerance.shown))
        tolerance.shown = !tolerance.shown;
    ui.Help(ForTolerance(
        index, tolerance.shown ? texts::kToleranceOn.c_str() : texts::kToleranceOff.c_str()));

    const Band valueBand = Shifted(kValueBand, shift);
    const std::string heading =
        std::string(ToleranceHeading(index)) + " " + SignText(tolerance.symbol) + tolerance.text;
    ui.Text(kLabelColumn, {valueBand.top - 0.9f, valueBand.top}, heading.c_str());
    const double times = tolerance.stepTimesTen ? 10.0 : 1.0;
    double value = tolerance.value;
    if (Stepper(ui, valueBand, kMinus, kPlus, value,
                {{0.001 * times, 0.01 * times, 0.0001 * times}, FloorAt(0)}))
        settings.SetToleranceValue(index, value);
    for (std::int32_t symbol = 0; symbol < 3; ++symbol)
        if (ui.Button(valueBand, kSignColumns[symbol], SignText(symbol),
                      tolerance.symbol == symbol))
            tolerance.symbol = symbol;
    if (ui.CheckBox(valueBand, kTimesTenColumns, texts::kTimesTen.c_str(), tolerance.stepTimesTen))
        tolerance.stepTimesTen = !tolerance.stepTimesTen;

    if (!tolerance.shown) return;
    LabelledStepper(
        ui, settings,
        index == 0 ? texts::kToleranceOffset1.c_str() : texts::kToleranceOffset2.c_str(),
        Shifted(kOffsetBand, shift), kMinus, kPlus, tolerance.offset, {{0.1, 1, 0.01}}, " pt");
}

// The host's colour picker, opened on the colour: what the user chooses becomes it, kind
// and components; a cancelled picker changes nothing.
void PickColour(ColourSetting& setting) {
    AIColor chosen = HostColour(setting);
    if (sAIUser->EditInOriginalColorPicker(&chosen) != kNoErr) return;
    switch (chosen.kind) {
        case kGrayColor:
            setting.kind = kGreyColour;
            setting.gray = chosen.c.g.gray;
            break;
        case kThreeColor:
            setting.kind = kRgbColour;
            setting.red = chosen.c.rgb.red;
            setting.green = chosen.c.rgb.green;
            setting.blue = chosen.c.rgb.blue;
            break;
        case kFourColor:
            setting.kind = kCmykColour;
            setting.cyan = chosen.c.f.cyan;
            setting.magenta = chosen.c.f.magenta;
            setting.yellow = chosen.c.f.yellow;
            setting.black = chosen.c.f.black;
            break;
        case kCustomColor:
            setting.kind = kCustomColour;
            setting.custom = chosen.c.c.color;
            setting.tint = chosen.c.c.tint;
            break;
        default:
            break;  // no colour the dimensions can be drawn in
    }
}

}  // namespace

void DescribeColoursPage(PanelUi& ui, SettingsRecord& settings, PanelState&) {
    ui.Title(texts::kColoursTitle.c_str());
    if (ui.Choice(RowBand(1), kColourColumns, texts::kLineColour.c_str(), false))
        PickColour(settings.lineColour);
    ui.Swatch(RowBand(1), kColourSwatch, SwatchColour(settings.lineColour));
    if (ui.Choice(RowBand(2), kColourColumns, texts::kTextColour.c_str(), false))
        PickColour(settings.textColour);
    ui.Swatch(RowBand(2), kColourSwatch, SwatchColour(settings.textColour));

    LabelledTwoWay(ui, texts::kOverprintFill.c_str(), kFillUpper, kFillLower, kTwoWayColumns,
                   texts::kYes.c_str(), texts::kNo.c_str(), settings.overprintFill);
    LabelledTwoWay(ui, texts::kOverprintStroke.c_str(), kStrokeUpper, kStrokeLower, kTwoWayColumns,
                   texts::kYes.c_str(), texts::kNo.c_str(), settings.overprintStroke);
    if (ui.CheckBox(kNearCursorBand, kNearCursorColumns, texts::kColoursNearCursor.c_str(),
                    settings.showColoursNearCursor))
        settings.showColoursNearCursor = !settings.showColoursNearCursor;
}

void DescribeTolerancesPage(PanelUi& ui, SettingsRecord& settings, PanelState&) {
    if (ui.Drawing()) settings.RebuildToleranceTexts();
    ui.Title(texts::kTolerancesTitle.c_str());
    DescribeTolerance(ui, settings, 0, 0);
    DescribeTolerance(ui, settings, 1, kSecondToleranceShift);
    const bool sameSteps =
        settings.tolerances[0].stepTimesTen == settings.tolerances[1].stepTimesTen;
    for (int index = 0; index < 2; ++index) {
        const char* steps = settings.tolerances[index].stepTimesTen
                                ? texts::kToleranceStepsTimesTen.c_str()
                                : texts::kToleranceSteps.c_str();
        if (sameSteps) {
            ui.Help(steps);
            break;
        }
        ui.Help(ForTolerance(index, steps));
    }
    ui.Help(texts::kToleranceTimesTen.c_str());
    ui.Help(texts::kToleranceSigns.c_str());
    ui.Help(texts::kStepsOfOne.c_str());
}

}  // namespace quill
