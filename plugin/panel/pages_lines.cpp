// The pages of the dimension's lines: "Pointes." and "Format de ligne.".
#include <iterator>
#include <string>

#include "plugin/geometry/arrow_shapes.h"
#include "plugin/panel/page_kit.h"
#include "plugin/panel/panel_pages.h"
#include "plugin/panel/texts.h"

namespace quill {
namespace {

constexpr Columns kShapeColumns{44, 124};
constexpr float kShapeTipColumn = 62;
constexpr float kShapePixelsPerPoint = 1.5f;
constexpr Band kArrowSizeTitleBand{7.4f, 8.4f};
constexpr float kArrowSizesTop = 8.4f;
constexpr Columns kArrowSizeColumns{46, 124};
constexpr Band kArrowSizeStepperBand{18.6f, 19.6f};

constexpr Columns kMinus{45, 73}, kPlus{96, 124};

constexpr Columns kLineWidthColumns{46, 96};
constexpr Band kLineWidthStepperBand{10, 11};
constexpr Band kLineTypeTitleBand{12, 13}, kLineTypeBand{13, 14};
constexpr Columns kLineTypeColumns{44, 120};
constexpr Band kDashBand{15.2f, 16.3f}, kGapBand{17.2f, 18.3f};
constexpr Band kRoundCapsBand{18.4f, 19.4f}, kSquareCapsBand{19.4f, 20.4f};
constexpr Columns kCapsColumns{44, 124};
constexpr float kLabelColumn = 44;

constexpr Preset kArrowSizes[] = {{0, "0 %"},     {25, "25 %"},   {50, "50 %"},   {75, "75 %"},
                                  {100, "100 %"}, {125, "125 %"}, {150, "150 %"}, {200, "200 %"},
                                  {250, "250 %"}, {300, "300 %"}};
constexpr Preset kLineWidths[] = {{0.2, "0,2 pt"}, {0.5, "0,5 pt"}, {0.7, "0,7 pt"}, {1, "1 pt"},
                                  {1.2, "1,2 pt"}, {1.5, "1,5 pt"}, {1.7, "1,7 pt"}, {2, "2 pt"},
                                  {2.5, "2,5 pt"}, {3, "3 pt"}};

constexpr StepRule kArrowSizeSteps{{5, 50, 1}, Floor{0, 0}};
constexpr StepRule kLineWidthSteps{{0.1, 1, 0.01}, Floor{0, 0}};
constexpr StepRule kDashSteps{{1, 2, 0.1}, Floor{0, 0}};

// The outline of arrowhead `shape`, its tip at the left of the row and its body to the
// right.
void DrawShape(PanelUi& ui, Band band, int shape) {
    ArrowShapeTable table;
    if (!BuildArrowShape(table, shape, false)) return;
    const float middle = (band.top + band.bottom) / 2 * kRowPixels;
    auto at = [&](Point p) {
        return PanelPoint{kShapeTipColumn + p.h * kShapePixelsPerPoint,
                          middle - p.v * kShapePixelsPerPoint};
    };
    const int count = table.segmentCount;
    const int pieces = table.closed ? count : count - 1;
    for (int i = 0; i < pieces; ++i) {
        const PathSegment& from = table.segments[i];
        const PathSegment& to = table.segments[(i + 1) % count];
        ui.Curve({at(from.p), at(from.out), at(to.in), at(to.p)});
    }
}

}  // namespace

void DescribeArrowheadsPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel) {
    ui.Title(texts::kArrowShapeTitle.c_str());
    for (int shape = 0; shape < kArrowShapeCount; ++shape) {
        const Band band = RowBand(shape + 1);
        if (ui.Choice(band, kShapeColumns, "", settings.arrowShape == shape)) {
            settings.arrowShape = shape;
            settings.PrepareArrowOutline();
        }
        DrawShape(ui, band, shape);
    }
    GroupButtonColumn(ui, GroupButtons::ArrowShape, 0, texts::kArrowShapeGroupMessage.c_str(),
                      settings, panel);

    ui.Text(kLabelColumn, kArrowSizeTitleBand, texts::kArrowSizeTitle.c_str());
    PresetRows(ui, kArrowSizes, std::size(kArrowSizes), kArrowSizesTop, kArrowSizeColumns,
               settings.arrowSize);
    StepperWithValue(ui, settings, kArrowSizeStepperBand, kMinus, kPlus, settings.arrowSize,
                     kArrowSizeSteps, " %");
    ui.Help(texts::kArrowSizeSteps.c_str());
    GroupButtonColumn(ui, GroupButtons::ArrowSize, kArrowSizesTop,
                      texts::kArrowSizeGroupMessage.c_str(), settings, panel);
}

void DescribeLineFormatPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel) {
    ui.Title(texts::kLineWidthTitle.c_str());
    PresetRows(ui, kLineWidths, std::size(kLineWidths), 0, kLineWidthColumns, settings.lineWidth);
    StepperWithValue(ui, settings, kLineWidthStepperBand, kMinus, kPlus, settings.lineWidth,
                     kLineWidthSteps, " pt");
    ui.Help(texts::kStepsOfOne.c_str());

    ui.Text(kLabelColumn, kLineTypeTitleBand, texts::kLineType.c_str());
    if (ui.Button(kLineTypeBand, kLineTypeColumns,
                  settings.dashed ? texts::kDashed.c_str() : texts::kSolid.c_str()))
        settings.dashed = !settings.dashed;

    LabelledStepper(ui, settings, texts::kDash.c_str(), kDashBand, kMinus, kPlus,
                    settings.dashLength, kDashSteps, " pt");
    LabelledStepper(ui, settings, texts::kGap.c_str(), kGapBand, kMinus, kPlus, settings.dashGap,
                    kDashSteps, " pt");
    ui.Help(texts::kDashSteps.c_str());

    if (ui.Choice(kRoundCapsBand, kCapsColumns, texts::kRoundCaps.c_str(), settings.roundCaps))
        settings.roundCaps = true;
    if (ui.Choice(kSquareCapsBand, kCapsColumns, texts::kSquareCaps.c_str(), !settings.roundCaps))
        settings.roundCaps = false;
    GroupButtonColumn(ui, GroupButtons::LineWidth, 0, texts::kLineWidthGroupMessage.c_str(),
                      settings, panel);
}

}  // namespace quill
