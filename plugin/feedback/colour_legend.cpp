#include "plugin/feedback/colour_legend.h"

#include "plugin/feedback/texts.h"

namespace quill {

namespace {

// The legend sits above the texts, right of the pointer; each row is a swatch then its
// label.
constexpr int kLegendLeft = 16;
constexpr int kLegendAbove = 24;
constexpr int kSwatchSize = 7;
constexpr int kLabelGap = 4;

std::uint16_t Component(double fraction) {
    return static_cast<std::uint16_t>(static_cast<std::int32_t>(fraction * 65535));
}

// The ink of a CMYK component over white, in the proportion the black ink leaves.
std::uint16_t InkOverWhite(double ink, double black) {
    return Component(1 - (ink * (1 - black) + black));
}

const char* KindLabel(const ColourSetting& colour) {
    switch (colour.kind) {
        case kGreyColour:
            return texts::kGreyLegend.c_str();
        case kRgbColour:
            return texts::kRgbLegend.c_str();
        case kCmykColour:
            return texts::kCmykLegend.c_str();
        default:
            // No custom colour of the document is held: the dimensions use process ink.
            return texts::kProcessLegend.c_str();
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

AIRGBColor SwatchColour(const ColourSetting& colour) {
    switch (colour.kind) {
        case kRgbColour:
            return {Component(colour.red), Component(colour.green), Component(colour.blue)};
        case kCmykColour:
            return {InkOverWhite(colour.cyan, colour.black),
                    InkOverWhite(colour.magenta, colour.black),
                    InkOverWhite(colour.yellow, colour.black)};
        case kGreyColour: {
            const std::uint16_t level = Component(1 - colour.gray);
            return {level, level, level};
        }
        default:
            return {0, 0, 0};
    }
}

void DrawColourLegend(AnnotationDrawer& drawer, AIPoint anchor, const AIRGBColor& labelColour,
                      bool textOnly, int rowGap) {
    const SettingsRecord& s = Settings();
    const AIPoint lineRow{anchor.h + kLegendLeft, anchor.v - kLegendAbove};
    if (!textOnly) DrawRow(drawer, lineRow, s.lineColour, labelColour);
    DrawRow(drawer, {lineRow.h, lineRow.v + rowGap}, s.textColour, labelColour);
}

}  // namespace quill
