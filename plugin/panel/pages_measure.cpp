// The pages of the main and second measures: "Unité.", "Double mesure.", "Format de
// nombre." and "Échelle.".
#include <algorithm>
#include <string>

#include "plugin/panel/page_kit.h"
#include "plugin/panel/panel_pages.h"
#include "plugin/panel/texts.h"
#include "plugin/text/number_writers.h"
#include "plugin/text/units.h"

namespace quill {
namespace {

constexpr Columns kUnitColumns{44, 240};
constexpr Band kShowUnitUpper{12.5f, 13.5f}, kShowUnitLower{13.5f, 14.6f};
constexpr Columns kTwoWayColumns{44, 78};

constexpr Band kDoubleMeasureBand{0, 1.3f};
constexpr Columns kDoubleMeasureColumns{16, 73};
constexpr float kSecondUnitsTop = 1.4f;
constexpr Columns kSecondUnitColumns{18, 216};
constexpr Band kShowSecondUnitBand{11.8f, 12.8f};
constexpr Columns kShowSecondUnitColumns{16, 127};
constexpr Band kSecondPrecisionBand{13.0f, 14.2f};
constexpr Columns kSecondPrecisionMinus{122, 156}, kSecondPrecisionPlus{172, 206};
constexpr Band kSecondSeparatorBand{14.2f, 15.3f};
constexpr Columns kSecondSeparatorColumns{154, 208};
constexpr float kLabelColumn = 16;

constexpr Columns kPrecisionColumns{36, 126};
constexpr Columns kSeparatorColumns{44, 200};
constexpr Band kDecimalTitleBand{7.3f, 8.3f};
constexpr Band kDecimalCommaBand{8.3f, 9.3f}, kDecimalPointBand{9.3f, 10.3f};
constexpr Band kThousandsTitleBand{10.4f, 11.4f};
constexpr float kThousandsTop = 11.4f;
constexpr Band kExampleBand{15.6f, 16.6f};

constexpr Columns kScaleColumns{44, 160};
constexpr Band kNumeratorBand{23.6f, 24.6f}, kDenominatorBand{24.6f, 25.8f};
constexpr Columns kScaleMinus{115, 149}, kScalePlus{166, 200}, kScaleMultiplier{206, 255};
constexpr float kScaleValueColumn = 262;

struct ScalePreset {
    double numerator, denominator;
    const char* text;
};
constexpr ScalePreset kScalePresets[] = {
    {1, 125, "Echelle 1/125"}, {1, 100, "Echelle 1/100"}, {1, 75, "Echelle 1/75"},
    {1, 50, "Echelle 1/50"},   {1, 25, "Echelle 1/25"},   {1, 20, "Echelle 1/20"},
    {1, 10, "Echelle 1/10"},   {1, 5, "Echelle 1/5"},     {1, 4, "Echelle 1/4"},
    {1, 3, "Echelle 1/3"},     {1, 2, "Echelle 1/2"},     {1, 1, "Echelle 1"},
    {2, 1, "Echelle 2"},       {3, 1, "Echelle 3"},       {4, 1, "Echelle 4"},
    {5, 1, "Echelle 5"},       {10, 1, "Echelle 10"},     {20, 1, "Echelle 20"},
    {25, 1, "Echelle 25"},     {50, 1, "Echelle 50"},     {75, 1, "Echelle 75"},
    {100, 1, "Echelle 100"},   {125, 1, "Echelle 125"},
};

const char* ScaleStepsHelp(double multiplier) {
    if (multiplier >= 1000) return texts::kScaleStepsTimesThousand.c_str();
    if (multiplier >= 100) return texts::kScaleStepsTimesHundred.c_str();
    if (multiplier >= 10) return texts::kScaleStepsTimesTen.c_str();
    return texts::kScaleSteps.c_str();
}

std::string PrecisionEntry(int precision, char separator) {
    std::string entry = std::to_string(precision) + " (x";
    if (precision > 0) entry += separator + std::string(static_cast<std::size_t>(precision), 'x');
    return entry + ")";
}

}  // namespace

std::string NumberFormatExample(const SettingsRecord& settings) {
    static const char* const kGrouped[] = {"34,562,803", "34 562 803", "34'562'803", "34562803"};
    const std::int32_t code = settings.thousandsSeparator;
    std::string example = kGrouped[code >= kThousandsComma && code <= kThousandsNone
                                       ? code
                                       : static_cast<std::int32_t>(kThousandsNone)];
    const int precision = std::clamp<int>(settings.precision, 0, kMaxPrecision);
    if (precision > 0)
        example +=
            settings.decimalSeparator + std::string("123456", static_cast<std::size_t>(precision));
    return example;
}

void DescribeUnitPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel) {
    ui.Title(texts::kUnitTitle.c_str());
    for (UnitCode code = 0; code < kUnitCount; ++code)
        if (ui.Choice(RowBand(code + 1), kUnitColumns, Unit(code).titleName, settings.unit == code))
            settings.unit = code;
    bool show = settings.showUnit;
    // Without a unit there is no unit to show: the choice is ignored.
    if (LabelledTwoWay(ui, texts::kShowUnit.c_str(), kShowUnitUpper, kShowUnitLower, kTwoWayColumns,
                       texts::kYes.c_str(), texts::kNo.c_str(), show) &&
        settings.unit != kNoUnit)
        settings.showUnit = show;
    GroupButtonColumn(ui, GroupButtons::Unit, 0, texts::kUnitGroupMessage.c_str(), settings, panel);
}

void DescribeDoubleMeasurePage(PanelUi& ui, SettingsRecord& settings, PanelState&) {
    ui.Title(texts::kPageDoubleMeasure.c_str());
    if (ui.CheckBox(kDoubleMeasureBand, kDoubleMeasureColumns, texts::kWith.c_str(),
                    settings.doubleMeasure))
        settings.doubleMeasure = !settings.doubleMeasure;
    ui.Help(settings.doubleMeasure ? texts::kDoubleMeasureOn.c_str()
                                   : texts::kDoubleMeasureOff.c_str());
    // The box's band overlaps the last unit's ("aucune", 11.4 to 12.4 rows): the box takes
    // the clicks from 11.8 rows down.
    if (ui.CheckBox(kShowSecondUnitBand, kShowSecondUnitColumns, texts::kShowSecondUnit.c_str(),
                    settings.showSecondUnit))
        settings.showSecondUnit = !settings.showSecondUnit;
    ui.Text(kDoubleMeasureColumns.right + 16, kDoubleMeasureBand, texts::kSecondUnit.c_str());
    for (UnitCode code = 0; code < kUnitCount; ++code)
        if (ui.Choice(BandBelow(kSecondUnitsTop, code), kSecondUnitColumns,
                      SecondUnitListName(code), settings.secondUnit == code))
            settings.secondUnit = code;
    ui.Text(kLabelColumn, kSecondPrecisionBand,
            (texts::kSecondPrecision.c_str() + std::to_string(settings.secondPrecision)).c_str());
    Stepper(ui, kSecondPrecisionBand, kSecondPrecisionMinus, kSecondPrecisionPlus,
            settings.secondPrecision, {{1, 1, 1}, FloorAt(0), kMaxPrecision});
    ui.Text(kLabelColumn, kSecondSeparatorBand, texts::kSecondSeparator.c_str());
    const bool comma = settings.SecondDecimalComma();
    if (ui.Button(kSecondSeparatorBand, kSecondSeparatorColumns,
                  comma ? texts::kCommaWord.c_str() : texts::kPointWord.c_str()))
        settings.SetSecondDecimalComma(!comma);
}

void DescribeNumberFormatPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel) {
    ui.Title(texts::kPrecisionTitle.c_str());
    for (int precision = 0; precision <= kMaxPrecision; ++precision)
        if (ui.Choice(RowBand(precision + 1), kPrecisionColumns,
                      PrecisionEntry(precision, settings.decimalSeparator).c_str(),
                      settings.precision == precision))
            settings.precision = precision;

    ui.Text(kSeparatorColumns.left, kDecimalTitleBand, texts::kDecimalSeparatorTitle.c_str());
    const bool comma = settings.DecimalComma();
    if (ui.Choice(kDecimalCommaBand, kSeparatorColumns, texts::kDecimalComma.c_str(), comma)) {
        settings.SetDecimalComma(true);
        // A comma cannot separate both the decimals and the thousands.
        if (settings.thousandsSeparator == kThousandsComma)
            settings.thousandsSeparator = kThousandsSpace;
    }
    if (ui.Choice(kDecimalPointBand, kSeparatorColumns, texts::kDecimalPoint.c_str(), !comma))
        settings.SetDecimalComma(false);

    ui.Text(kSeparatorColumns.left, kThousandsTitleBand, texts::kThousandsTitle.c_str());
    const char* const kThousands[] = {
        texts::kThousandsComma.c_str(), texts::kThousandsSpace.c_str(),
        texts::kThousandsApostrophe.c_str(), texts::kThousandsNone.c_str()};
    for (std::int32_t code = kThousandsComma; code <= kThousandsNone; ++code) {
        if (code == kThousandsComma && settings.DecimalComma()) continue;
        if (ui.Choice(BandBelow(kThousandsTop, code), kSeparatorColumns, kThousands[code],
                      settings.thousandsSeparator == code))
            settings.thousandsSeparator = code;
    }
    ui.Text(kSeparatorColumns.left, kExampleBand,
            (texts::kExample.c_str() + NumberFormatExample(settings)).c_str());
    GroupButtonColumn(ui, GroupButtons::Precision, 0, texts::kPrecisionGroupMessage.c_str(),
                      settings, panel);
}

void DescribeScalePage(PanelUi& ui, SettingsRecord& settings, PanelState& panel) {
    ui.Title(texts::kScaleTitle.c_str());
    int row = 1;
    for (const ScalePreset& preset : kScalePresets) {
        const bool current = settings.scaleNumerator == preset.numerator &&
                             settings.scaleDenominator == preset.denominator;
        if (ui.Choice(RowBand(row++), kScaleColumns, preset.text, current))
            settings.SetScale(preset.numerator, preset.denominator);
    }
    const double multiplier =
        (panel.scaleStepTimesTen ? 10.0 : 1.0) * (panel.scaleStepTimesHundred ? 100.0 : 1.0);
    const StepRule rule{{multiplier, 10 * multiplier, 5 * multiplier}, FloorAt(1)};
    struct ScaleRow {
        Band band;
        const char* label;
        double& value;
        const char* multiplierText;
        bool& multiplierOn;
    };
    const ScaleRow rows[] = {
        {kNumeratorBand, texts::kNumerator.c_str(), settings.scaleNumerator,
         texts::kTimesTen.c_str(), panel.scaleStepTimesTen},
        {kDenominatorBand, texts::kDenominator.c_str(), settings.scaleDenominator,
         texts::kTimesHundred.c_str(), panel.scaleStepTimesHundred},
    };
    for (const ScaleRow& scaleRow : rows) {
        ui.Text(kScaleColumns.left, scaleRow.band, scaleRow.label);
        if (Stepper(ui, scaleRow.band, kScaleMinus, kScalePlus, scaleRow.value, rule))
            settings.RecomputeScaleFactor();
        if (ui.CheckBox(scaleRow.band, kScaleMultiplier, scaleRow.multiplierText,
                        scaleRow.multiplierOn))
            scaleRow.multiplierOn = !scaleRow.multiplierOn;
        ui.Text(kScaleValueColumn, scaleRow.band, PanelNumber(settings, scaleRow.value, 0).c_str());
    }
    ui.Help(ScaleStepsHelp(multiplier));
    GroupButtonColumn(ui, GroupButtons::Scale, 0, texts::kScaleGroupMessage.c_str(), settings,
                      panel);
}

}  // namespace quill
