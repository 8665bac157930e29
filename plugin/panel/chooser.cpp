// The chooser, the panel's first screen: one row per page with a summary of its settings,
// and the four buttons that recall the preference groups. Also the table of the pages.
#include <string>

#include "plugin/dimensions/paint_styles.h"
#include "plugin/panel/page_kit.h"
#include "plugin/panel/panel_pages.h"
#include "plugin/panel/texts.h"
#include "plugin/text/units.h"

namespace quill {
namespace {

constexpr float kNameColumn = 48;
constexpr float kSummaryColumn = 222;
constexpr Columns kLineColourSwatch{222, 238}, kTextColourSwatch{242, 258};
constexpr Columns kRecallColumns{17, 36};
constexpr double kPointsPerMillimetre = 72.0 / 25.4;

struct PageRow {
    PageDescription describe;
    const char* name;
};

// By PanelPage.
const PageRow kPageRows[kPanelPageCount] = {
    {DescribeLayerNamePage, texts::kPageLayerName.c_str()},
    {DescribeUnitPage, texts::kPageUnit.c_str()},
    {DescribeDoubleMeasurePage, texts::kPageDoubleMeasure.c_str()},
    {DescribeNumberFormatPage, texts::kPageNumberFormat.c_str()},
    {DescribeScalePage, texts::kPageScale.c_str()},
    {DescribeSegmentToolPage, texts::kPageSegmentTool.c_str()},
    {DescribeAngleToolPage, texts::kPageAngleTool.c_str()},
    {DescribeCircleToolPage, texts::kPageCircleTool.c_str()},
    {DescribeBezierToolPage, texts::kPageBezierTool.c_str()},
    {DescribeLengthsPage, texts::kPageLengthsTool.c_str()},
    {DescribeColoursPage, texts::kPageColours.c_str()},
    {DescribeTextSizePage, texts::kPageTextSize.c_str()},
    {DescribeFontPage, texts::kPageFont.c_str()},
    {DescribeLineFormatPage, texts::kPageLineFormat.c_str()},
    {DescribeArrowheadsPage, texts::kPageArrowheads.c_str()},
    {DescribeTolerancesPage, texts::kPageTolerances.c_str()},
};

std::string ToleranceSummary(const ToleranceSetting& tolerance) {
    if (!tolerance.shown) return texts::kSummaryNo.c_str();
    static const char* const kSigns[] = {texts::kPlusSign.c_str(), texts::kMinusSign.c_str(),
                                         texts::kPlusMinusSign.c_str()};
    const bool known = tolerance.symbol >= 0 && tolerance.symbol <= 2;
    return std::string(known ? kSigns[tolerance.symbol] : "") + tolerance.text;
}

std::string LineSummary(const SettingsRecord& s) {
    std::string summary = PanelNumber(s, s.lineWidth) + " pt, ";
    if (s.dashed)
        summary += texts::kSummaryDashed.c_str() + PanelNumber(s, s.dashLength) + "pt, " +
                   PanelNumber(s, s.dashGap) + "pt, ";
    else
        summary += std::string(texts::kSummarySolid.c_str()) + ", ";
    return summary +
           (s.roundCaps ? texts::kSummaryRoundCaps.c_str() : texts::kSummarySquareCaps.c_str());
}

// The Segment tool's set mode; nothing for dimensions made one by one.
std::string SetModeSummary(const SettingsRecord& s) {
    switch (s.setMode) {
        case kChainMode:
            return texts::kChainMode.c_str();
        case kBaselineMode:
            return texts::kBaselineMode.c_str() + std::string(texts::kSummaryStep.c_str()) +
                   PanelNumber(s, s.baselineStep) + texts::kTimesTextSize.c_str();
        case kOrdinateMode:
            return texts::kOrdinateMode.c_str();
        default:
            return {};
    }
}

std::string Summary(PanelPage page, const SettingsRecord& s) {
    switch (page) {
        case PanelPage::Unit:
            return Unit(s.unit).listName;
        case PanelPage::DoubleMeasure:
            if (!s.doubleMeasure) return texts::kSummaryWithout.c_str();
            return std::string(texts::kSummaryWith.c_str()) + ", " +
                   SecondUnitListName(s.secondUnit);
        case PanelPage::NumberFormat:
            return NumberFormatExample(s);
        case PanelPage::Scale:
            return PanelNumber(s, s.scaleNumerator, 0) + " /" +
                   PanelNumber(s, s.scaleDenominator, 0);
        case PanelPage::Arrowheads:
            return PanelNumber(s, s.arrowSize) + " %";
        case PanelPage::LineFormat:
            return LineSummary(s);
        case PanelPage::Font:
            return s.fontName;
        case PanelPage::TextSize:
            return s.sizeInMillimetres
                       ? PanelNumber(s, s.textSize / kPointsPerMillimetre, 2) + " mm"
                       : PanelNumber(s, s.textSize, 2) + " pt";
        case PanelPage::Tolerances:
            return ToleranceSummary(s.tolerances[0]) + ", " + ToleranceSummary(s.tolerances[1]);
        case PanelPage::LayerName:
            return s.layerName;
        case PanelPage::SegmentTool:
            return SetModeSummary(s);
        default:
            return {};
    }
}

}  // namespace

PageDescription DescriptionOf(PanelPage page) {
    const int index = static_cast<int>(page);
    return index >= 0 && index < kPanelPageCount ? kPageRows[index].describe : nullptr;
}

const char* PageName(PanelPage page) {
    const int index = static_cast<int>(page);
    return index >= 0 && index < kPanelPageCount ? kPageRows[index].name : "";
}

void DescribeChooser(PanelUi& ui, SettingsRecord& settings, PanelState&) {
    ui.Title(texts::kChooserTitle.c_str());
    int row = 1;
    for (PanelPage page : kPagesInChooserOrder) {
        const Band band = RowBand(row++);
        ui.Text(kNameColumn, band, PageName(page));
        if (page == PanelPage::Colours) {
            ui.Swatch(band, kLineColourSwatch, SwatchColour(settings.lineColour));
            ui.Swatch(band, kTextColourSwatch, SwatchColour(settings.textColour));
        } else {
            ui.Text(kSummaryColumn, band, Summary(page, settings).c_str());
        }
    }
    for (int group = 1; group <= kGroupCount; ++group) {
        const Band band = RowBand(group);
        if (ui.Hovered(band, kRecallColumns))
            ui.Help(GroupMessage(texts::kRecallGroupMessage.c_str(), group));
        ui.Button(band, kRecallColumns, GroupButtonLabel(group), settings.lastGroup == group - 1);
    }
}

}  // namespace quill
