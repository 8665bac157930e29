#include "plugin/dimensions/paint_styles.h"

#include "plugin/services/suites.h"

namespace quill {

AIColor HostColour(const ColourSetting& colour) {
    AIColor host{};
    switch (colour.kind) {
        case kGreyColour:
            host.kind = kGrayColor;
            host.c.g.gray = static_cast<AIReal>(colour.gray);
            break;
        case kCmykColour:
            host.kind = kFourColor;
            host.c.f = {static_cast<AIReal>(colour.cyan), static_cast<AIReal>(colour.magenta),
                        static_cast<AIReal>(colour.yellow), static_cast<AIReal>(colour.black)};
            break;
        case kRgbColour:
            host.kind = kThreeColor;
            host.c.rgb = {static_cast<AIReal>(colour.red), static_cast<AIReal>(colour.green),
                          static_cast<AIReal>(colour.blue)};
            break;
        default:
            if (colour.kind == kCustomColour && colour.custom) {
                host.kind = kCustomColor;
                host.c.c = {colour.custom, static_cast<AIReal>(colour.tint)};
                break;
            }
            // No custom colour of the document is held: black ink.
            host.kind = kGrayColor;
            host.c.g.gray = 1;
            break;
    }
    return host;
}

namespace {

// A fraction of full intensity, truncated towards zero; a stored value beyond 0 … 1 is
// taken as the nearer end.
std::uint16_t Component(double fraction) {
    if (!(fraction > 0)) return 0;
    if (fraction >= 1) return 65535;
    return static_cast<std::uint16_t>(fraction * 65535);
}

std::uint16_t InkOverWhite(double ink, double black) {
    return Component(1 - (ink * (1 - black) + black));
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

void BuildPaintStyles() {
    const SettingsRecord& s = Settings();
    PaintStyles& styles = Styles();
    const AIColor line = HostColour(s.lineColour);

    AIPathStyle current{};
    if (sAIPathStyle) sAIPathStyle->GetCurrentPathStyle(&current);
    styles.fill = current;
    styles.fill.fillPaint = true;
    styles.fill.fill.color = line;
    styles.fill.fill.overprint = s.overprintFill;
    styles.fill.strokePaint = false;

    styles.stroke = AIPathStyle{};
    styles.stroke.strokePaint = true;
    styles.stroke.stroke.color = line;
    styles.stroke.stroke.width = static_cast<AIReal>(s.lineWidth);
    styles.stroke.stroke.overprint = s.overprintStroke;
    styles.stroke.stroke.cap = s.roundCaps ? kAIRoundCap : kAIButtCap;
    styles.stroke.stroke.join = kAIRoundJoin;

    styles.dashed = styles.stroke;
    if (s.dashed) {
        styles.dashed.stroke.dash.length = 2;
        styles.dashed.stroke.dash.array[0] = static_cast<AIReal>(s.dashLength);
        styles.dashed.stroke.dash.array[1] = static_cast<AIReal>(s.dashGap);
    }
    styles.textColour = HostColour(s.textColour);
}

void RefreshStrokeWidths() {
    const auto width = static_cast<AIReal>(Settings().lineWidth);
    Styles().stroke.stroke.width = width;
    Styles().dashed.stroke.width = width;
}

const AIPathStyle& DimensionLineStyle() {
    return Settings().dashed ? Styles().dashed : Styles().stroke;
}

}  // namespace quill
