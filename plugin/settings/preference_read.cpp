// The read at start-up: every key in the storage order, each field starting from its
// fallback so that a key the store lacks leaves that value. The first failed read stops
// it, except for the reads whose errors are ignored.
#include <cstdio>

#include "plugin/services/ai_error.h"
#include "plugin/services/alert.h"
#include "plugin/settings/preference_fields.h"
#include "plugin/settings/preference_groups.h"
#include "plugin/settings/preference_keys.h"
#include "plugin/settings/preference_storage.h"
#include "plugin/settings/preference_store.h"
#include "sdk/errors.h"

namespace quill {
namespace {

using namespace prefkey;

constexpr std::int32_t kLargestDimensionType = 3;
constexpr std::int32_t kLargestThousandsCode = 3;

// Fallbacks the read gives to keys the store lacks where they differ from the defaults.
constexpr std::int32_t kUnitFallback = 1;  // millimetres
constexpr std::int32_t kTextColourKindFallback = 0;
constexpr ColourFallbacks kTextColourFallbacks{100, 196, 25, 127, 23, 97, 4, 0};
constexpr double kMarkLengthFallback = 1.5;
constexpr double kLengthOnCurveFallback = 0;
constexpr double kDashLengthFallback = 8;
constexpr double kDashGapFallback = 7;
constexpr std::int32_t kToleranceSymbolFallback = 0;
constexpr double kSecondToleranceFallback = 0.15;

bool IsPrecision(std::int32_t precision) {
    return precision >= 0 && precision <= 6;
}

void ReadLayerAndMeasure(SettingsRecord& s, const SettingsRecord& d) {
    char layerName[kLayerNameCapacity];
    std::snprintf(layerName, sizeof layerName, "%s", d.layerName);
    ReadText(kLayerName, layerName, sizeof layerName);
    s.SetLayerName(layerName);
    ReadReal(kLineWidth, s.lineWidth);
    ReadReal(kArrowSize, s.arrowSize, d.arrowSize);
    ReadReal(kLineOffset, s.lineOffset);
    ReadInteger(kUnit, s.unit, kUnitFallback);
    s.scaleFactor = 1;
    ReadReal(kScaleNumerator, s.scaleNumerator);
    ReadReal(kScaleDenominator, s.scaleDenominator);
    s.RecomputeScaleFactor();
    bool comma = s.DecimalComma();
    ReadFlag(kDecimalComma, comma);
    s.SetDecimalComma(comma);
}

void ReadTextAndType(SettingsRecord& s, const SettingsRecord& d, PanelState& panel) {
    ReadFlag(kDiameter, s.diameter, d.diameter);
    ReadReal(kTextSize, s.textSize, d.textSize);
    ReadFlag(kSizeInMillimetres, s.sizeInMillimetres, d.sizeInMillimetres);
    ReadInteger(kMemoryCapacity, s.memoryCapacity, d.memoryCapacity);
    ReadReal(kLandingLength, s.landingLength);
    ReadInteger(kFontPage, s.fontPage);
    panel.fontPage = s.fontPage;
    ReadText(kFontName, s.fontName, kFontNameCapacity);
    std::int32_t type = s.dimensionType;
    ReadInteger(kDimensionType, type);
    if (type >= 0 && type <= kLargestDimensionType) s.dimensionType = type;
    ReadFlag(kHorizontalText, s.horizontalText, d.horizontalText);
    ReadFlag(kShowUnit, s.showUnit, d.showUnit);
    ReadInteger(kArrowShape, s.arrowShape);
    ReadColour(kLineColour, s.lineColour);
    ReadColour(kTextColour, s.textColour, kTextColourKindFallback, kTextColourFallbacks);
}

void ReadToolOptions(SettingsRecord& s, const SettingsRecord& d) {
    ReadReal(kAngleRadius, s.angleRadius, d.angleRadius);
    ReadFlag(kDivide, s.divide, d.divide);
    ReadInteger(kDivisions, s.divisions, d.divisions);
    ReadReal(kMarkLength, s.markLength, kMarkLengthFallback);
    ReadReal(kLengthOnCurve, s.lengthOnCurve, kLengthOnCurveFallback);
    ReadFlag(kReportTotalLength, s.reportTotalLength, true);
    ReadFlag(kReportPartialLength, s.reportPartialLength, true);
    ReadFlag(kReportArea, s.reportArea, true);
    ReadFlag(kReportPathCount, s.reportPathCount, true);
    ReadFlag(kReportPointCount, s.reportPointCount, true);
    ReadReal(kTextOffset, s.textOffset);
    ReadReal(kExtensionGap, s.extensionGap);
    ReadFlag(kOverprintFill, s.overprintFill, d.overprintFill);
    ReadFlag(kOverprintStroke, s.overprintStroke, d.overprintStroke);
    ReadFlag(kShowCircleSign, s.showCircleSign, true);
    ReadFlag(kSignBefore, s.signBefore, true);
    ReadFlag(kRadiusLine, s.radiusLine, true);
    std::int32_t arcStyle = s.ArcStyle();
    ReadInteger(kArcStyle, arcStyle);
    s.SetArcStyle(arcStyle);
    ReadInteger(kArcCount, s.arcCount, d.arcCount);
    ReadReal(kArcSpacing, s.arcSpacing);
}

// The first four reads may fail without stopping the read, and so may the group reads.
void ReadDisplayAndGroups(SettingsRecord& s, const SettingsRecord& d) {
    ReadFlagIgnoringError(kShowColoursNearCursor, s.showColoursNearCursor, true);
    std::int32_t thousands = d.thousandsSeparator;
    if (TryGetInteger(kThousandsSeparator, thousands) != kNoErr) thousands = d.thousandsSeparator;
    if (thousands >= 0 && thousands <= kLargestThousandsCode) s.thousandsSeparator = thousands;
    ReadFlagIgnoringError(kExtensionLines, s.extensionLines, true);
    ReadFlagIgnoringError(kMeasureGroup, s.measureGroup, false);
    ReadInteger(kLastGroup, s.lastGroup, d.lastGroup);
    for (int group = 0; group < kGroupCount; ++group) {
        PreferenceGroup defaults = d.groups[group];
        for (int field = 0; field < kGroupFieldCount; ++field) {
            const GroupField f = static_cast<GroupField>(field);
            ReadGroupValueIgnoringError(s, group, f, GroupValue(defaults, f));
        }
    }
}

void ReadLinesAndSecondMeasure(SettingsRecord& s, const SettingsRecord& d) {
    ReadFlag(kDashed, s.dashed, d.dashed);
    ReadReal(kDashLength, s.dashLength, kDashLengthFallback);
    ReadReal(kDashGap, s.dashGap, kDashGapFallback);
    ReadFlag(kRoundCaps, s.roundCaps, d.roundCaps);
    ReadFlag(kDoubleMeasure, s.doubleMeasure, d.doubleMeasure);
    ReadInteger(kSecondUnit, s.secondUnit, d.secondUnit);
    ReadFlag(kShowSecondUnit, s.showSecondUnit, d.showSecondUnit);
    ReadInteger(kSecondPrecision, s.secondPrecision, s.precision);
    bool comma = s.SecondDecimalComma();
    ReadFlag(kSecondDecimalComma, comma);
    s.SetSecondDecimalComma(comma);
}

void ReadTolerances(SettingsRecord& s, const SettingsRecord& d) {
    const double valueFallbacks[2] = {d.tolerances[0].value, kSecondToleranceFallback};
    for (int i = 0; i < 2; ++i) {
        ToleranceSetting& tolerance = s.tolerances[i];
        ReadFlag(kTolerances[i].shown, tolerance.shown, false);
        ReadRealIgnoringError(kTolerances[i].value, tolerance.value, valueFallbacks[i]);
        s.RebuildToleranceText(i);
        ReadReal(kTolerances[i].offset, tolerance.offset, d.tolerances[i].offset);
        ReadInteger(kTolerances[i].symbol, tolerance.symbol, kToleranceSymbolFallback);
    }
    for (int i = 0; i < 2; ++i)
        ReadFlag(kTolerances[i].stepTimesTen, s.tolerances[i].stepTimesTen, false);
}

}  // namespace

AIErr ReadPreferences(SettingsRecord& settings, PanelState& panel) {
    const SettingsRecord& defaults = DefaultSettings();
    try {
        std::int32_t precision = settings.precision;
        ReadInteger(kPrecision, precision);
        if (!IsPrecision(precision)) {
            ResetPreferences(settings, panel);
            return kNoErr;
        }
        settings.precision = precision;
        ReadLayerAndMeasure(settings, defaults);
        ReadTextAndType(settings, defaults, panel);
        ReadToolOptions(settings, defaults);
        ReadDisplayAndGroups(settings, defaults);
        ReadLinesAndSecondMeasure(settings, defaults);
        panel.SwitchOffStepMultipliers();
        ReadTolerances(settings, defaults);
        // The settings load before any tool is current, so never as the angle tool.
        settings.PrepareArrowOutline();
    } catch (const ai::Error& error) {
        ShowAlert(prefalert::kReadFailed);
        return error.code();
    }
    return kNoErr;
}

}  // namespace quill
