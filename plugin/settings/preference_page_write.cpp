// The page write at mouse-up in the Parameters tool: the keys of the one open page, in
// that page's order below, with the field values as they stand. "Attaches",
// "NombreSouvenirsPrefs" and the group values are never written here.
#include "plugin/services/ai_error.h"
#include "plugin/services/alert.h"
#include "plugin/settings/preference_fields.h"
#include "plugin/settings/preference_keys.h"
#include "plugin/settings/preference_steps.h"
#include "plugin/settings/preference_storage.h"
#include "sdk/errors.h"

namespace quill {
namespace {

using namespace prefkey;

// The font page stores the page of the font list it shows.
void TakeShownFontPage(StepContext& c) {
    c.settings.fontPage = c.panel.fontPage;
}

constexpr OrderStep kOnLayerNamePage[] = {Key(kLayerName)};
constexpr OrderStep kOnUnitPage[] = {Key(kUnit), Key(kShowUnit)};
constexpr OrderStep kOnDoubleMeasurePage[] = {Key(kDoubleMeasure), Key(kSecondUnit),
                                              Key(kShowSecondUnit), Key(kSecondPrecision),
                                              Key(kSecondDecimalComma)};
constexpr OrderStep kOnNumberFormatPage[] = {Key(kDecimalComma), Key(kThousandsSeparator),
                                             Key(kPrecision)};
constexpr OrderStep kOnScalePage[] = {Key(kScaleNumerator), Key(kScaleDenominator)};
constexpr OrderStep kOnSegmentToolPage[] = {
    Key(kDimensionType),  Key(kHorizontalText), Key(kTextOffset), Key(kExtensionGap),
    Key(kExtensionLines), Key(kMeasureGroup),   Key(kSetMode),    Key(kBaselineStep)};
constexpr OrderStep kOnAngleToolPage[] = {Key(kArcStyle), Key(kArcCount), Key(kArcSpacing),
                                          Key(kAngleRadius)};
constexpr OrderStep kOnCircleToolPage[] = {Key(kDiameter), Key(kShowCircleSign), Key(kSignBefore),
                                           Key(kRadiusLine), Key(kLandingLength)};
constexpr OrderStep kOnBezierToolPage[] = {Key(kDivide), Key(kDivisions), Key(kMarkLength),
                                           Key(kLengthOnCurve)};
constexpr OrderStep kOnLengthsAndAreasPage[] = {Key(kReportTotalLength), Key(kReportPartialLength),
                                                Key(kReportArea), Key(kReportPathCount),
                                                Key(kReportPointCount)};
constexpr OrderStep kOnColoursPage[] = {Colour(kLineColour), Colour(kTextColour),
                                        Key(kOverprintFill), Key(kOverprintStroke),
                                        Key(kShowColoursNearCursor)};
constexpr OrderStep kOnTextSizePage[] = {Key(kTextSize), Key(kSizeInMillimetres)};
constexpr OrderStep kOnFontPage[] = {Own(TakeShownFontPage), Key(kFontPage), Key(kFontName)};
constexpr OrderStep kOnLineFormatPage[] = {Key(kLineWidth), Key(kDashed), Key(kDashLength),
                                           Key(kDashGap), Key(kRoundCaps)};
constexpr OrderStep kOnArrowheadsPage[] = {Key(kArrowShape), Key(kArrowSize)};
constexpr OrderStep kOnTolerancesPage[] = {
    Key(kTolerances[0].shown),       Key(kTolerances[0].value),  Key(kTolerances[0].offset),
    Key(kTolerances[1].shown),       Key(kTolerances[1].value),  Key(kTolerances[1].offset),
    Key(kTolerances[0].symbol),      Key(kTolerances[1].symbol), Key(kTolerances[0].stepTimesTen),
    Key(kTolerances[1].stepTimesTen)};

struct PageOrder {
    PanelPage page;
    StepList steps;
};

// In the order of PanelPage, the order in which the open page is looked for.
constexpr PageOrder kPageOrders[kPanelPageCount] = {
    {PanelPage::LayerName, Steps(kOnLayerNamePage)},
    {PanelPage::Unit, Steps(kOnUnitPage)},
    {PanelPage::DoubleMeasure, Steps(kOnDoubleMeasurePage)},
    {PanelPage::NumberFormat, Steps(kOnNumberFormatPage)},
    {PanelPage::Scale, Steps(kOnScalePage)},
    {PanelPage::SegmentTool, Steps(kOnSegmentToolPage)},
    {PanelPage::AngleTool, Steps(kOnAngleToolPage)},
    {PanelPage::CircleTool, Steps(kOnCircleToolPage)},
    {PanelPage::BezierTool, Steps(kOnBezierToolPage)},
    {PanelPage::LengthsAndAreas, Steps(kOnLengthsAndAreasPage)},
    {PanelPage::Colours, Steps(kOnColoursPage)},
    {PanelPage::TextSize, Steps(kOnTextSizePage)},
    {PanelPage::Font, Steps(kOnFontPage)},
    {PanelPage::LineFormat, Steps(kOnLineFormatPage)},
    {PanelPage::Arrowheads, Steps(kOnArrowheadsPage)},
    {PanelPage::Tolerances, Steps(kOnTolerancesPage)},
};

constexpr bool EveryPageAtItsPlace() {
    for (int i = 0; i < kPanelPageCount; ++i)
        if (static_cast<int>(kPageOrders[i].page) != i) return false;
    return true;
}
static_assert(EveryPageAtItsPlace(), "kPageOrders follows PanelPage");

void WriteRow(const SettingField& field, SettingsRecord& settings, OnError onError) {
    WriteField(field, settings, onError);
}

void WriteFirstOpenPage(StepContext& context) {
    for (int page = 0; page < kPanelPageCount; ++page) {
        if (!context.panel.pageOpen[page]) continue;
        RunSteps(kPageOrders[page].steps, WriteRow, context);
        return;
    }
}

}  // namespace

AIErr WritePanelPage(SettingsRecord& settings, PanelState& panel) {
    const bool groupRecalled = panel.groupRecalled;
    StepContext context{settings, panel};
    AIErr result = kNoErr;
    try {
        WriteFirstOpenPage(context);
        if (groupRecalled) {
            constexpr const SettingField& lastGroup = FieldOf(kLastGroup);
            WriteField(lastGroup, settings, OnError::Stops);
            panel.groupRecalled = false;
        }
    } catch (const ai::Error& error) {
        ShowAlert(prefalert::kWriteFailed);
        result = error.code();
    }
    ClosePanelAtMouseUp(panel, groupRecalled);
    return result;
}

}  // namespace quill
