#include "plugin/feedback/colour_legend.h"

#include "plugin/dimensions/paint_styles.h"
#include "plugin/feedback/texts.h"
#include "plugin/services/suites.h"

namespace quill {

namespace {

// The legend sits above the texts, right of the pointer; each row is a swatch then its
// label.
constexpr int kLegendLeft = 16;
constexpr int kLegendAbove = 24;
constexpr int kSwatchSize = 7;
constexpr int kLabelGap = 4;

const char* KindLabel(const ColourSetting& colour) {
    switch (colour.kind) {
        case kGreyColour:
            return texts::kGreyLegend.c_str();
        case kRgbColour:
            return texts::kRgbLegend.c_str();
        case kCmykColour:
            return texts::kCmykLegend.c_str();
        default: {
            // A custom colour: a spot colour, or a process colour (also the black ink used
            // when none is held).
            AICustomColor custom{};
            const bool spot = colour.custom &&
                              sAICustomColor->GetCustomColor(colour.custom, &custom) == kNoErr &&
                              custom.spot;
            return spot ? texts::kSpotLegend.c_str() : texts::kProcessLegend.c_str();
        }
    }
}

void DrawRow(AnnotationDrawer& drawer, AIPoint at, const ColourSetting& colour,
             const AIRGBColor& labelColour) {
    drawer.Colour(labelColour);
    drawer.Text(KindLabel(colour), {at.h + kSwatchSize + kLabelGap, at.v});
    const AIRect swatch{at.h, at.v - kSwatchSize, at.h + kSwatchSize, at.v};
    drawer.Colour(SwatchColour(colour));
    drawer.Rectangle(swatch, true);
    drawer.Rectangle(swatch, false);
}

}  // namespace

void DrawColourLegend(AnnotationDrawer& drawer, AIPoint anchor, const AIRGBColor& labelColour,
                      bool textOnly, int rowGap) {
    const SettingsRecord& s = Settings();
    const AIPoint lineRow{anchor.h + kLegendLeft, anchor.v - kLegendAbove};
    if (!textOnly) DrawRow(drawer, lineRow, s.lineColour, labelColour);
    DrawRow(drawer, {lineRow.h, lineRow.v + rowGap}, s.textColour, labelColour);
}

}  // namespace quill
