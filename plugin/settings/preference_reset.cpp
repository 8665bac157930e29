// The reset: every field back to its default, each written to the store at once, in the
// storage order. The first failed write stops it.
#include "plugin/services/ai_error.h"
#include "plugin/services/alert.h"
#include "plugin/settings/preference_groups.h"
#include "plugin/settings/preference_keys.h"
#include "plugin/settings/preference_storage.h"
#include "plugin/settings/preference_store.h"
#include "sdk/errors.h"

namespace quill {
namespace {

using namespace prefkey;

void ResetLayerAndMeasure(SettingsRecord& s, const SettingsRecord& d) {
    s.SetLayerName(d.layerName);
    PutText(kLayerName, s.layerName);
    PutReal(kLineWidth, s.lineWidth = d.lineWidth);
    PutReal(kArrowSize, s.arrowSize = d.arrowSize);
    PutReal(kLineOffset, s.lineOffset = d.lineOffset);
    PutInteger(kUnit, s.unit = d.unit);
    s.SetScale(d.scaleNumerator, d.scaleDenominator);
    PutReal(kScaleNumerator, s.scaleNumerator);
    PutReal(kScaleDenominator, s.scaleDenominator);
    PutInteger(kPrecision, s.precision = d.precision);
    s.SetDecimalComma(d.DecimalComma());
    PutFlag(kDecimalComma, s.DecimalComma());
    PutFlag(kDiameter, s.diameter = d.diameter);
    PutReal(kTextSize, s.textSize = d.textSize);
    PutFlag(kSizeInMillimetres, s.sizeInMillimetres = d.sizeInMillimetres);
    PutInteger(kMemoryCapacity, s.memoryCapacity = d.memoryCapacity);
    PutReal(kLandingLength, s.landingLength = d.landingLength);
}

// The default font is the first of the host's font list; failing to learn its name stops
// the reset as a failed write does, but failing to store it does not.
void ResetFont(SettingsRecord& s, const SettingsRecord& d, PanelState& panel) {
    s.fontPage = d.fontPage;
    panel.fontPage = d.fontPage;
    PutInteger(kFontPage, s.fontPage);
    GetFontNameAt(0, s.fontName, kFontNameCapacity);
    TryPutText(kFontName, s.fontName);
}

void ResetColour(const ColourKeys& keys, ColourSetting& colour, const ColourSetting& d) {
    PutInteger(keys.kind, colour.kind = d.kind);
    PutReal(keys.gray, colour.gray = d.gray);
    PutReal(keys.red, colour.red = d.red);
    PutReal(keys.green, colour.green = d.green);
    PutReal(keys.blue, colour.blue = d.blue);
    PutReal(keys.cyan, colour.cyan = d.cyan);
    PutReal(keys.magenta, colour.magenta = d.magenta);
    PutReal(keys.yellow, colour.yellow = d.yellow);
    PutReal(keys.black, colour.black = d.black);
}

void ResetTypeAndColours(SettingsRecord& s, const SettingsRecord& d) {
    PutInteger(kDimensionType, s.dimensionType = d.dimensionType);
    PutFlag(kHorizontalText, s.horizontalText = d.horizontalText);
    PutInteger(kArrowShape, s.arrowShape = d.arrowShape);
    PutFlag(kShowUnit, s.showUnit = d.showUnit);
    ResetColour(kLineColour, s.lineColour, d.lineColour);
    ResetColour(kTextColour, s.textColour, d.textColour);
}

void ResetToolOptions(SettingsRecord& s, const SettingsRecord& d) {
    PutReal(kAngleRadius, s.angleRadius = d.angleRadius);
    PutFlag(kDivide, s.divide = d.divide);
    PutInteger(kDivisions, s.divisions = d.divisions);
    PutReal(kMarkLength, s.markLength = d.markLength);
    PutReal(kLengthOnCurve, s.lengthOnCurve = d.lengthOnCurve);
    PutFlag(kReportTotalLength, s.reportTotalLength = d.reportTotalLength);
    PutFlag(kReportPartialLength, s.reportPartialLength = d.reportPartialLength);
    PutFlag(kReportArea, s.reportArea = d.reportArea);
    PutFlag(kReportPathCount, s.reportPathCount = d.reportPathCount);
    PutFlag(kReportPointCount, s.reportPointCount = d.reportPointCount);
    PutReal(kTextOffset, s.textOffset = d.textOffset);
    PutReal(kExtensionGap, s.extensionGap = d.extensionGap);
    PutFlag(kOverprintFill, s.overprintFill = d.overprintFill);
    PutFlag(kOverprintStroke, s.overprintStroke = d.overprintStroke);
    PutFlag(kShowCircleSign, s.showCircleSign = d.showCircleSign);
    PutFlag(kSignBefore, s.signBefore = d.signBefore);
    PutFlag(kRadiusLine, s.radiusLine = d.radiusLine);
    s.SetArcStyle(d.ArcStyle());
    PutInteger(kArcStyle, s.ArcStyle());
    PutInteger(kArcCount, s.arcCount = d.arcCount);
    PutReal(kArcSpacing, s.arcSpacing = d.arcSpacing);
}

// The first four writes here and every group write may fail without stopping the reset.
void ResetDisplayAndGroups(SettingsRecord& s, const SettingsRecord& d) {
    TryPutFlag(kShowColoursNearCursor, s.showColoursNearCursor = d.showColoursNearCursor);
    TryPutInteger(kThousandsSeparator, s.thousandsSeparator = d.thousandsSeparator);
    TryPutFlag(kExtensionLines, s.extensionLines = d.extensionLines);
    TryPutFlag(kMeasureGroup, s.measureGroup = d.measureGroup);
    PutInteger(kLastGroup, s.lastGroup = d.lastGroup);
    for (int group = 0; group < kGroupCount; ++group) {
        PreferenceGroup defaults = d.groups[group];
        for (int field = 0; field < kGroupFieldCount; ++field) {
            const GroupField f = static_cast<GroupField>(field);
            GroupValue(s.groups[group], f) = GroupValue(defaults, f);
            WriteGroupValueIgnoringError(s, group, f);
        }
    }
}

void ResetLinesAndSecondMeasure(SettingsRecord& s, const SettingsRecord& d) {
    PutFlag(kDashed, s.dashed = d.dashed);
    PutReal(kDashLength, s.dashLength = d.dashLength);
    PutReal(kDashGap, s.dashGap = d.dashGap);
    PutFlag(kRoundCaps, s.roundCaps = d.roundCaps);
    PutFlag(kDoubleMeasure, s.doubleMeasure = d.doubleMeasure);
    PutInteger(kSecondUnit, s.secondUnit = d.secondUnit);
    PutFlag(kShowSecondUnit, s.showSecondUnit = d.showSecondUnit);
    PutInteger(kSecondPrecision, s.secondPrecision = d.secondPrecision);
    s.SetSecondDecimalComma(d.SecondDecimalComma());
    PutFlag(kSecondDecimalComma, s.SecondDecimalComma());
}

void ResetTolerances(SettingsRecord& s, const SettingsRecord& d) {
    for (int i = 0; i < 2; ++i) {
        ToleranceSetting& tolerance = s.tolerances[i];
        const ToleranceSetting& defaults = d.tolerances[i];
        PutFlag(kTolerances[i].shown, tolerance.shown = defaults.shown);
        PutReal(kTolerances[i].value, tolerance.value = defaults.value);
        s.RebuildToleranceText(i);
        PutReal(kTolerances[i].offset, tolerance.offset = defaults.offset);
        PutInteger(kTolerances[i].symbol, tolerance.symbol = defaults.symbol);
    }
    for (int i = 0; i < 2; ++i)
        PutFlag(kTolerances[i].stepTimesTen,
                s.tolerances[i].stepTimesTen = d.tolerances[i].stepTimesTen);
}

}  // namespace

AIErr ResetPreferences(SettingsRecord& settings, PanelState& panel) {
    const SettingsRecord& defaults = DefaultSettings();
    try {
        ResetLayerAndMeasure(settings, defaults);
        ResetFont(settings, defaults, panel);
        ResetTypeAndColours(settings, defaults);
        ResetToolOptions(settings, defaults);
        ResetDisplayAndGroups(settings, defaults);
        ResetLinesAndSecondMeasure(settings, defaults);
        panel.SwitchOffStepMultipliers();
        ResetTolerances(settings, defaults);
        // The settings load before any tool is current, so never as the angle tool.
        settings.PrepareArrowOutline();
    } catch (const ai::Error& error) {
        ShowAlert(prefalert::kWriteFailed);
        return error.code();
    }
    return kNoErr;
}

}  // namespace quill
