// The pages of the tools' own settings: "Outil Segment.", "Outil Angle.", "Outil Cercle.",
// "Outil Bézier." and "Outil Longueurs & Aires.".
#include <string>

#include "plugin/panel/page_kit.h"
#include "plugin/panel/panel_pages.h"
#include "plugin/panel/texts.h"
#include "plugin/services/alert.h"

namespace quill {
namespace {

constexpr Columns kTwoWayColumns{44, 78};

// Segment page.
constexpr Columns kDimensionTypeColumns{44, 206};
constexpr Columns kBothWaysColumns{44, 134};
constexpr Columns kMeasureGroupColumns{136, 207};
constexpr Band kHorizontalTextUpper{5.2f, 6.2f}, kHorizontalTextLower{6.2f, 7.2f};
constexpr Band kTextOffsetBand{8.4f, 9.4f};
constexpr Band kExtensionLinesUpper{10.7f, 11.7f}, kExtensionLinesLower{11.7f, 12.7f};
constexpr Band kExtensionGapBand{13.5f, 15};
constexpr Columns kSegmentMinus{45, 73}, kSegmentPlus{96, 124};
constexpr StepRule kSegmentOffsetSteps{{1, 5, 0.1}};
constexpr Band kSetModeLabelBand{15.5f, 16.5f}, kSetModeBand{16.5f, 17.5f};
constexpr Columns kSetModeColumns[] = {{44, 96}, {96, 150}, {150, 238}, {238, 312}};
constexpr Band kBaselineStepBand{19, 20};
// The step in text sizes: never below half of one, nor above ten.
constexpr StepRule kBaselineStepSteps{{0.5, 2, 0.1}, FloorAt(0.5), 10.0};

// Angle page.
constexpr Columns kArcTypeColumns{44, 124};
constexpr Band kArcCountBand{3.4f, 4.4f}, kArcSpacingBand{5.5f, 6.5f}, kArcRadiusBand{7.8f, 8.8f};
constexpr Columns kArcMinus{44, 78}, kArcPlus{96, 130};
constexpr Columns kRadiusMinus{44, 74};
constexpr StepRule kArcCountSteps{{1, 1, 1}, FloorAt(2)};
constexpr StepRule kArcSpacingSteps{{1, 1, 1}, FloorAt(1)};
constexpr StepRule kArcRadiusSteps{{1, 5, 0.1}, FloorAt(1), std::nullopt, true};

// Circle page.
constexpr Columns kRadiusOrDiameterColumns{43, 113};
constexpr Band kCircleSignUpper{3.5f, 4.5f}, kCircleSignLower{4.5f, 5.5f};
constexpr Band kSignBeforeUpper{5.9f, 6.9f}, kSignBeforeLower{6.9f, 7.9f};
constexpr Columns kSignBeforeColumns{44, 88};
constexpr Band kRadiusLineUpper{9, 10}, kRadiusLineLower{10, 11};
constexpr Columns kRadiusLineColumns{44, 82};
constexpr Band kLandingBand{12.5f, 13.5f};
constexpr Columns kLandingMinus{44, 78}, kLandingPlus{98, 132};
// A landing at or below zero becomes 1 mm.
constexpr StepRule kLandingSteps{{1, 5, 0.1}, Floor{0, 1}};

// Bézier page.
constexpr Band kDivisionsBand{1, 2}, kMarkLengthBand{3.3f, 4.3f}, kLengthOnCurveBand{5.5f, 6.5f};
constexpr Columns kBezierMinus{44, 78}, kBezierPlus{92, 126};
constexpr Band kDivideBand{7.5f, 8.5f};
constexpr Columns kDivideColumns{44, 140};
constexpr StepRule kDivisionSteps{{1, 2, 1}, FloorAt(2)};
// A length that would reach zero stops at the small step.
constexpr StepRule kMarkLengthSteps{{1, 2, 0.1}, Floor{0, 0.1}, std::nullopt, true};
constexpr StepRule kLengthOnCurveSteps{{1, 10, 0.1}, Floor{0, 0.1}, std::nullopt, true};

// Lengths and areas page.
constexpr Columns kReportColumns{44, 300};

constexpr const char* kMillimetreSuffix = " mm";
constexpr const char* kPointSuffix = " pt";

// "Mode : simple / chaîne / ligne de base / ordonnées", and the baseline set's step.
void DescribeSetMode(PanelUi& ui, SettingsRecord& settings) {
    ui.Text(kSetModeColumns[0].left, kSetModeLabelBand, texts::kSetModeLabel.c_str());
    const char* const kModes[] = {texts::kSingleMode.c_str(), texts::kChainMode.c_str(),
                                  texts::kBaselineMode.c_str(), texts::kOrdinateMode.c_str()};
    for (std::int32_t mode = kSingleMode; mode <= kOrdinateMode; ++mode)
        if (ui.Choice(kSetModeBand, kSetModeColumns[mode], kModes[mode], settings.setMode == mode))
            settings.setMode = mode;
    if (settings.setMode == kBaselineMode)
        LabelledStepper(ui, settings, texts::kBaselineStep.c_str(), kBaselineStepBand,
                        kSegmentMinus, kSegmentPlus, settings.baselineStep, kBaselineStepSteps,
                        texts::kTimesTextSize.c_str());
}

}  // namespace

void DescribeSegmentToolPage(PanelUi& ui, SettingsRecord& settings, PanelState&) {
    ui.Title(texts::kDimensionTypeTitle.c_str());
    const char* const kTypes[] = {texts::kOblique.c_str(), texts::kHorizontal.c_str(),
                                  texts::kVertical.c_str(), texts::kBothWays.c_str()};
    for (std::int32_t type = kObliqueType; type <= kBothWaysType; ++type)
        if (ui.Choice(RowBand(type + 1),
                      type == kBothWaysType ? kBothWaysColumns : kDimensionTypeColumns,
                      kTypes[type], settings.dimensionType == type))
            settings.dimensionType = type;
    if (settings.dimensionType == kBothWaysType) {
        if (ui.CheckBox(RowBand(4), kMeasureGroupColumns, texts::kMeasureGroup.c_str(),
                        settings.measureGroup))
            settings.measureGroup = !settings.measureGroup;
        ui.Help(texts::kMeasureGroupHelp1.c_str());
        ui.Help(texts::kMeasureGroupHelp2.c_str());
    }
    LabelledTwoWay(ui, texts::kHorizontalText.c_str(), kHorizontalTextUpper, kHorizontalTextLower,
                   kTwoWayColumns, texts::kYes.c_str(), texts::kNo.c_str(),
                   settings.horizontalText);
    LabelledStepper(ui, settings, texts::kTextOffset.c_str(), kTextOffsetBand, kSegmentMinus,
                    kSegmentPlus, settings.textOffset, kSegmentOffsetSteps, kPointSuffix);
    LabelledTwoWay(ui, texts::kExtensionLines.c_str(), kExtensionLinesUpper, kExtensionLinesLower,
                   kTwoWayColumns, texts::kYes.c_str(), texts::kNo.c_str(),
                   settings.extensionLines);
    if (settings.extensionLines) {
        LabelledStepper(ui, settings, texts::kExtensionGap.c_str(), kExtensionGapBand,
                        kSegmentMinus, kSegmentPlus, settings.extensionGap, kSegmentOffsetSteps,
                        kPointSuffix);
    }
    DescribeSetMode(ui, settings);
    ui.Help(texts::kStepsOfFive.c_str());
}

void DescribeAngleToolPage(PanelUi& ui, SettingsRecord& settings, PanelState&) {
    ui.Title(texts::kArcTypeTitle.c_str());
    if (ui.Choice(RowBand(1), kArcTypeColumns, texts::kNormalArc.c_str(), settings.normalArcs))
        settings.SetArcStyle(0);
    if (ui.Choice(RowBand(2), kArcTypeColumns, texts::kMultipleArcs.c_str(), settings.multipleArcs))
        settings.SetArcStyle(1);
    if (settings.multipleArcs) {
        LabelledStepper(ui, settings, texts::kArcCount.c_str(), kArcCountBand, kArcMinus, kArcPlus,
                        settings.arcCount, kArcCountSteps);
        LabelledStepper(ui, settings, texts::kArcSpacing.c_str(), kArcSpacingBand, kArcMinus,
                        kArcPlus, settings.arcSpacing, kArcSpacingSteps, kPointSuffix);
    }
    LabelledStepper(ui, settings, texts::kArcRadius.c_str(), kArcRadiusBand, kRadiusMinus, kArcPlus,
                    settings.angleRadius, kArcRadiusSteps, kMillimetreSuffix);
    ui.Help(texts::kStepsOfFive.c_str());
}

void DescribeCircleToolPage(PanelUi& ui, SettingsRecord& settings, PanelState&) {
    ui.Title(texts::kRadiusOrDiameterTitle.c_str());
    if (ui.Choice(RowBand(1), kRadiusOrDiameterColumns, texts::kRadius.c_str(), !settings.diameter))
        settings.diameter = false;
    if (ui.Choice(RowBand(2), kRadiusOrDiameterColumns, texts::kDiameter.c_str(),
                  settings.diameter))
        settings.diameter = true;
    LabelledTwoWay(ui, texts::kCircleSign.c_str(), kCircleSignUpper, kCircleSignLower,
                   kTwoWayColumns, texts::kYes.c_str(), texts::kNo.c_str(),
                   settings.showCircleSign);
    if (settings.showCircleSign)
        ui.TwoWay(kSignBeforeUpper, kSignBeforeLower, kSignBeforeColumns,
                  texts::kSignBefore.c_str(), texts::kSignAfter.c_str(), settings.signBefore);
    LabelledTwoWay(ui, texts::kRadiusLine.c_str(), kRadiusLineUpper, kRadiusLineLower,
                   kRadiusLineColumns, texts::kWith.c_str(), texts::kWithout.c_str(),
                   settings.radiusLine);
    LabelledStepper(ui, settings, texts::kLandingLength.c_str(), kLandingBand, kLandingMinus,
                    kLandingPlus, settings.landingLength, kLandingSteps, kMillimetreSuffix);
    ui.Help(texts::kStepsOfFive.c_str());
}

void DescribeBezierToolPage(PanelUi& ui, SettingsRecord& settings, PanelState&) {
    ui.Title(texts::kPageBezierTool.c_str());
    if (settings.divide) {
        LabelledStepper(ui, settings, texts::kDivisions.c_str(), kDivisionsBand, kBezierMinus,
                        kBezierPlus, settings.divisions, kDivisionSteps);
        ui.Help(texts::kDivisionSteps.c_str());
    }
    LabelledStepper(ui, settings, texts::kMarkLength.c_str(), kMarkLengthBand, kBezierMinus,
                    kBezierPlus, settings.markLength, kMarkLengthSteps, kMillimetreSuffix);
    ui.Help(texts::kMarkLengthSteps.c_str());
    LabelledStepper(ui, settings, texts::kLengthOnCurve.c_str(), kLengthOnCurveBand, kBezierMinus,
                    kBezierPlus, settings.lengthOnCurve, kLengthOnCurveSteps, kMillimetreSuffix);
    ui.Help(texts::kLengthOnCurveSteps.c_str());
    if (ui.CheckBox(kDivideBand, kDivideColumns, texts::kDivide.c_str(), settings.divide))
        settings.divide = !settings.divide;
    ui.Help(settings.divide ? texts::kDivideOn1.c_str() : texts::kDivideOff1.c_str());
    ui.Help(settings.divide ? texts::kDivideOn2.c_str() : texts::kDivideOff2.c_str());
}

void DescribeLengthsPage(PanelUi& ui, SettingsRecord& settings, PanelState&) {
    ui.Title(texts::kPageLengthsTool.c_str());
    struct Report {
        const char* text;
        bool& on;
    };
    const Report reports[] = {
        {texts::kReportTotalLength.c_str(), settings.reportTotalLength},
        {texts::kReportPartialLength.c_str(), settings.reportPartialLength},
        {texts::kReportArea.c_str(), settings.reportArea},
        {texts::kReportPathCount.c_str(), settings.reportPathCount},
        {texts::kReportPointCount.c_str(), settings.reportPointCount},
    };
    int row = 1;
    bool anyOn = false;
    for (const Report& report : reports) {
        if (ui.CheckBox(RowBand(row++), kReportColumns, report.text, report.on))
            report.on = !report.on;
        anyOn = anyOn || report.on;
    }
    if (ui.Clicking() && !anyOn) ShowAlert(texts::kCheckOneReport.c_str());
}

}  // namespace quill
