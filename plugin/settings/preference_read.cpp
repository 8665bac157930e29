// The read at start-up: the precision first, then every key in the order below, each field
// starting from its row's fallback so that a key the store lacks leaves that value. The
// first failed read stops it, except for the reads whose errors are ignored.
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

// A failed read of either scale value leaves the factor at 1.
void ClearScaleFactor(StepContext& c) {
    c.settings.scaleFactor = 1;
}

void RecomputeScaleFactor(StepContext& c) {
    c.settings.RecomputeScaleFactor();
}

void ShowReadFontPage(StepContext& c) {
    c.panel.fontPage = c.settings.fontPage;
}

// Every group read may fail without stopping the read; the group then takes its default.
void ReadGroups(StepContext& c) {
    const SettingsRecord& d = DefaultSettings();
    for (int group = 0; group < kGroupCount; ++group) {
        PreferenceGroup defaults = d.groups[group];
        for (int field = 0; field < kGroupFieldCount; ++field) {
            const GroupField f = static_cast<GroupField>(field);
            ReadGroupValueIgnoringError(c.settings, group, f, GroupValue(defaults, f));
        }
    }
}

constexpr OnError kIgnored = OnError::Ignored;

// After the precision, which ReadPreferences reads first.
constexpr OrderStep kReadOrder[] = {
    Key(kLayerName),
    Key(kLineWidth),
    Key(kArrowSize),
    Key(kLineOffset),
    Key(kUnit),
    Own(ClearScaleFactor),
    Key(kScaleNumerator),
    Key(kScaleDenominator),
    Own(RecomputeScaleFactor),
    Key(kDecimalComma),
    Key(kDiameter),
    Key(kTextSize),
    Key(kSizeInMillimetres),
    Key(kMemoryCapacity),
    Key(kLandingLength),
    Key(kFontPage),
    Own(ShowReadFontPage),
    Key(kFontName),
    Key(kDimensionType),
    Key(kHorizontalText),
    Key(kShowUnit),
    Key(kArrowShape),
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
    Key(kSetMode, kIgnored),
    Key(kBaselineStep, kIgnored),
    Key(kLastGroup),
    Own(ReadGroups),
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
    Key(kTolerances[0].value, kIgnored),
    Own(RebuildFirstToleranceText),
    Key(kTolerances[0].offset),
    Key(kTolerances[0].symbol),
    Key(kTolerances[1].shown),
    Key(kTolerances[1].value, kIgnored),
    Own(RebuildSecondToleranceText),
    Key(kTolerances[1].offset),
    Key(kTolerances[1].symbol),
    Key(kTolerances[0].stepTimesTen),
    Key(kTolerances[1].stepTimesTen),
    Own(PrepareArrowOutline),
};

}  // namespace

AIErr ReadPreferences(SettingsRecord& settings, PanelState& panel) {
    StepContext context{settings, panel};
    try {
        // A stored precision outside its range means the store cannot be trusted: the
        // reset runs instead, and reports its own failure.
        std::int32_t precision = settings.precision;
        ReadInteger(kPrecision, precision);
        constexpr const SettingField& precisionRow = FieldOf(kPrecision);
        if (!IsWithin(precisionRow.range, precision)) {
            ResetPreferences(settings, panel);
            return kNoErr;
        }
        settings.precision = precision;
        RunSteps(Steps(kReadOrder), ReadField, context);
    } catch (const ai::Error& error) {
        ShowAlert(prefalert::kReadFailed);
        return error.code();
    }
    return kNoErr;
}

}  // namespace quill
