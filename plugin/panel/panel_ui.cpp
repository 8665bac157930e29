#include "plugin/panel/panel_ui.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "plugin/services/host_text.h"
#include "plugin/services/suites.h"

namespace quill {
namespace {

constexpr AIRGBColor kInk{0, 0, 0};
constexpr AIRGBColor kPaper{65535, 65535, 65535};
constexpr AIRGBColor kMarkShade{40000, 40000, 40000};

// Layout of the items inside their bands, pixels.
constexpr float kBaselineAboveBandBottom = 4.0f;
constexpr float kCharacterWidth = 6.0f;  // an estimate, to size the panel's background
constexpr float kMarkSide = 8.0f;
constexpr float kLabelIndent = 14.0f;
constexpr float kHelpLinePitch = 14.0f;
constexpr float kHelpGap = 6.0f;
constexpr float kTitleColumn = 11.0f;
constexpr Band kTitleBand{-1.2f, -0.2f};
constexpr float kMargin = 6.0f;

float Pixels(float rows) {
    return rows * kRowPixels;
}

float TextWidth(const char* text) {
    return kCharacterWidth * static_cast<float>(std::strlen(text));
}

std::int32_t Rounded(float value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<std::int32_t>(std::lround(std::clamp(value, -1.0e9f, 1.0e9f)));
}

// origin + offset, held at the ends of the 32-bit range: a panel opened far off the view
// has its origin there already.
std::int32_t Offset(std::int32_t origin, float offset) {
    const std::int64_t sum = static_cast<std::int64_t>(origin) + Rounded(offset);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

}  // namespace

PanelPoint PanelPointOf(Point point, Point origin, float zoom) {
    return {(point.h - origin.h) * zoom, (origin.v - point.v) * zoom};
}

bool Inside(PanelPoint point, Band band, Columns columns) {
    return point.dx >= columns.left && point.dx < columns.right && point.dy > Pixels(band.top) &&
           point.dy <= Pixels(band.bottom);
}

PanelUi PanelUi::ForLayout(PanelPoint pointer) {
    PanelUi ui(Mode::Layout);
    ui.pointer_ = pointer;
    return ui;
}

PanelUi PanelUi::ForDrawing(AIAnnotatorDrawer drawer, AIPoint origin, PanelPoint pointer) {
    PanelUi ui(Mode::Draw);
    ui.drawer_ = drawer;
    ui.origin_ = origin;
    ui.pointer_ = pointer;
    return ui;
}

PanelUi PanelUi::ForClick(PanelPoint click, bool shift, bool alt) {
    PanelUi ui(Mode::Click);
    ui.pointer_ = click;
    ui.shift_ = shift;
    ui.alt_ = alt;
    return ui;
}

bool PanelUi::Hit(Band band, Columns columns) {
    if (mode_ != Mode::Click || taken_ || !Inside(pointer_, band, columns)) return false;
    taken_ = true;
    return true;
}

bool PanelUi::Hovered(Band band, Columns columns) const {
    return mode_ != Mode::Click && Inside(pointer_, band, columns);
}

void PanelUi::Widen(float left, float top, float right, float bottom) {
    left_ = std::min(left_, left);
    top_ = std::min(top_, top);
    right_ = std::max(right_, right);
    bottom_ = std::max(bottom_, bottom);
}

AIPoint PanelUi::ViewPoint(float dx, float dy) const {
    return {Offset(origin_.h, dx), Offset(origin_.v, dy)};
}

void PanelUi::SetColour(AIRGBColor colour) {
    if (colour_ && colour_->red == colour.red && colour_->green == colour.green &&
        colour_->blue == colour.blue)
        return;
    colour_ = colour;
    Record(sAIAnnotatorDrawer->SetColor(drawer_, &colour));
}

void PanelUi::DrawTextAt(float dx, float dy, const char* text) {
    if (!text || !*text) return;
    Widen(dx, dy - kRowPixels, dx + TextWidth(text), dy);
    if (mode_ != Mode::Draw) return;
    SetColour(kInk);
    const std::string hostText = ToHostText(text);
    const AIPoint at = ViewPoint(dx, dy);
    Record(sAIAnnotatorDrawer->DrawText(drawer_, hostText.c_str(), &at));
}

void PanelUi::Frame(float left, float top, float right, float bottom, bool filled) {
    Widen(left, top, right, bottom);
    if (mode_ != Mode::Draw) return;
    const AIPoint topLeft = ViewPoint(left, top), bottomRight = ViewPoint(right, bottom);
    const AIRect rect{topLeft.h, topLeft.v, bottomRight.h, bottomRight.v};
    Record(sAIAnnotatorDrawer->DrawRect(drawer_, &rect, filled));
}

void PanelUi::Title(const char* text) {
    Text(kTitleColumn, kTitleBand, text);
}

void PanelUi::Text(float x, Band band, const char* text) {
    DrawTextAt(x, Pixels(band.bottom) - kBaselineAboveBandBottom, text);
}

void PanelUi::Help(std::string text) {
    if (helpCount_ < kMaxHelpLines) help_[helpCount_++] = std::move(text);
}

bool PanelUi::Choice(Band band, Columns columns, const char* text, bool current) {
    if (current) {
        const float middle = Pixels(band.top + band.bottom) / 2;
        if (mode_ == Mode::Draw) SetColour(kInk);
        Frame(columns.left + 2, middle - kMarkSide / 2, columns.left + 2 + kMarkSide,
              middle + kMarkSide / 2, true);
    }
    Text(columns.left + kLabelIndent, band, text);
    return Hit(band, columns);
}

bool PanelUi::CheckBox(Band band, Columns columns, const char* text, bool checked) {
    const float middle = Pixels(band.top + band.bottom) / 2;
    if (mode_ == Mode::Draw) SetColour(kInk);
    Frame(columns.left, middle - kMarkSide / 2 - 1, columns.left + kMarkSide + 2,
          middle + kMarkSide / 2 + 1, false);
    if (checked)
        Frame(columns.left + 2, middle - kMarkSide / 2 + 1, columns.left + kMarkSide,
              middle + kMarkSide / 2 - 1, true);
    Text(columns.left + kLabelIndent, band, text);
    return Hit(band, columns);
}

bool PanelUi::Button(Band band, Columns columns, const char* text, bool marked) {
    const float top = Pixels(band.top) + 1, bottom = Pixels(band.bottom) - 1;
    if (marked) {
        if (mode_ == Mode::Draw) SetColour(kMarkShade);
        Frame(columns.left, top, columns.right, bottom, true);
    }
    if (mode_ == Mode::Draw) SetColour(kInk);
    Frame(columns.left, top, columns.right, bottom, false);
    const float middle = (columns.left + columns.right) / 2;
    Text(middle - TextWidth(text) / 2, band, text);
    return Hit(band, columns);
}

bool PanelUi::TwoWay(Band upper, Band lower, Columns columns, const char* upperText,
                     const char* lowerText, bool& flag) {
    if (Choice(upper, columns, upperText, flag)) {
        flag = true;
        return true;
    }
    if (Choice(lower, columns, lowerText, !flag)) {
        flag = false;
        return true;
    }
    return false;
}

void PanelUi::Swatch(Band band, Columns columns, AIRGBColor colour) {
    const float top = Pixels(band.top) + 3, bottom = Pixels(band.bottom) - 3;
    if (mode_ == Mode::Draw) SetColour(colour);
    Frame(columns.left, top, columns.right, bottom, true);
    if (mode_ == Mode::Draw) SetColour(kInk);
    Frame(columns.left, top, columns.right, bottom, false);
}

void PanelUi::Curve(const PanelPoint (&points)[4]) {
    for (const PanelPoint& p : points) Widen(p.dx, p.dy, p.dx, p.dy);
    if (mode_ != Mode::Draw) return;
    SetColour(kInk);
    AIPoint view[4];
    for (int i = 0; i < 4; ++i) view[i] = ViewPoint(points[i].dx, points[i].dy);
    Record(sAIAnnotatorDrawer->DrawBezier(drawer_, &view[0], &view[1], &view[2], &view[3]));
}

void PanelUi::Background(const PanelUi& layout) {
    if (mode_ != Mode::Draw) return;
    const float left = layout.left_ - kMargin, top = layout.top_ - kMargin;
    const float right = layout.right_ + kMargin, bottom = layout.bottom_ + kMargin;
    // The background is no item: the page's extent stays its items'.
    const float extent[4] = {left_, top_, right_, bottom_};
    SetColour(kPaper);
    Frame(left, top, right, bottom, true);
    SetColour(kInk);
    Frame(left, top, right, bottom, false);
    left_ = extent[0], top_ = extent[1], right_ = extent[2], bottom_ = extent[3];
}

void PanelUi::Finish() {
    const float firstLine = bottom_ + kHelpGap;
    for (int i = 0; i < helpCount_; ++i)
        DrawTextAt(kTitleColumn, firstLine + kHelpLinePitch * static_cast<float>(i + 1),
                   help_[i].c_str());
}

}  // namespace quill
