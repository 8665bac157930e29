// The reset: every field back to its default, each written to the store at once, in the
// storage order below. The first failed write stops it, except for the writes whose
// errors are ignored.
#include "plugin/services/ai_error.h"
#include "plugin/services/alert.h"
#include "plugin/settings/preference_fields.h"
#include "plugin/settings/preference_groups.h"
#include "plugin/settings/preference_keys.h"
#include "plugin/settings/preference_steps.h"
#include "plugin/settings/preference_storage.h"
#include "plugin/settings/preference_store.h"
#include "sdk/errors.h"

namespace quill {
namespace {

using namespace prefkey;

// Both values and the scale factor are set before either value is written.
void SetDefaultScale(StepContext& c) {
    const SettingsRecord& d = DefaultSettings();
    c.settings.SetScale(d.scaleNumerator, d.scaleDenominator);
}

void ShowDefaultFontPage(StepContext& c) {
    c.panel.fontPage = DefaultSettings().fontPage;
}

// The default font is the first of the host's font list; failing to learn its name stops
// the reset as a failed write does, but failing to store it does not.
void ResetFontName(StepContext& c) {
    constexpr const SettingField& fontName = FieldOf(kFontName);
    GetFontNameAt(0, c.settings.fontName, kFontNameCapacity);
    WriteField(fontName, c.settings, OnError::Ignored);
}

// Every group write may fail without stopping the reset.
void ResetGroups(StepContext& c) {
    const SettingsRecord& d = DefaultSettings();
    for (int group = 0; group < kGroupCount; ++group) {
        PreferenceGroup defaults = d.groups[group];
        for (int field = 0; field < kGroupFieldCount; ++field) {
            const GroupField f = static_cast<GroupField>(field);
            GroupValue(c.settings.groups[group], f) = GroupValue(defaults, f);
            WriteGroupValueIgnoringError(c.settings, group, f);
        }
    }
}

// The keys the reset leaves out still take their defaults in the record.
void DefaultUnwrittenFields(StepContext& c) {
    for (const SettingField& field : kSettingFields)
        if (field.resetWrite == ResetWrite::LeftOut)
            field.access.set(c.settings, field.access.get(DefaultSettings()));
}

constexpr OnError kIgnored = OnError::Ignored;

// The storage order; the read's differs.
constexpr OrderStep kResetOrder[] = {
    Key(kLayerName),
    Key(kLineWidth),
    Key(kArrowSize),
    Key(kLineOffset),
    Key(kUnit),
    Own(SetDefaultScale),
    Key(kScaleNumerator),
    Key(kScaleDenominator),
    Key(kPrecision),
    Key(kDecimalComma),
    Key(kDiameter),
    Key(kTextSize),
    Key(kSizeInMillimetres),
    Key(kMemoryCapacity),
    Key(kLandingLength),
    Own(ShowDefaultFontPage),
    Key(kFontPage),
    Own(ResetFontName),
    Key(kDimensionType),
    Key(kHorizontalText),
    Key(kArrowShape),
    Key(kShowUnit),
    Colour(kLineColour),
    Colour(kTextColour),
    Key(kAngleRadius),
    Key(kDivide),
    Key(kDivisions),
    Key(kMarkLength),
    Key(kLengthOnCurve),
    Key(kReportTotalLength),
    Key(kReportPartialLength),
    Key(kReportArea),
    Key(kReportPathCount),
    Key(kReportPointCount),
    Key(kTextOffset),
    Key(kExtensionGap),
    Key(kOverprintFill),
    Key(kOverprintStroke),
    Key(kShowCircleSign),
    Key(kSignBefore),
    Key(kRadiusLine),
    Key(kArcStyle),
    Key(kArcCount),
    Key(kArcSpacing),
    Key(kShowColoursNearCursor, kIgnored),
    Key(kThousandsSeparator, kIgnored),
    Key(kExtensionLines, kIgnored),
    Key(kMeasureGroup, kIgnored),
    Own(DefaultUnwrittenFields),
    Key(kLastGroup),
    Own(ResetGroups),
    Key(kDashed),
    Key(kDashLength),
    Key(kDashGap),
    Key(kRoundCaps),
    Key(kDoubleMeasure),
    Key(kSecondUnit),
    Key(kShowSecondUnit),
    Key(kSecondPrecision),
    Key(kSecondDecimalComma),
    Own(SwitchOffStepMultipliers),
    Key(kTolerances[0].shown),
    Key(kTolerances[0].value),
    Own(RebuildFirstToleranceText),
    Key(kTolerances[0].offset),
    Key(kTolerances[0].symbol),
    Key(kTolerances[1].shown),
    Key(kTolerances[1].value),
    Own(RebuildSecondToleranceText),
    Key(kTolerances[1].offset),
    Key(kTolerances[1].symbol),
    Key(kTolerances[0].stepTimesTen),
    Key(kTolerances[1].stepTimesTen),
    Own(PrepareArrowOutline),
};

}  // namespace

AIErr ResetPreferences(SettingsRecord& settings, PanelState& panel) {
    StepContext context{settings, panel};
    try {
        RunSteps(Steps(kResetOrder), ResetField, context);
    } catch (const ai::Error& error) {
        ShowAlert(prefalert::kWriteFailed);
        return error.code();
    }
    return kNoErr;
}

}  // namespace quill
