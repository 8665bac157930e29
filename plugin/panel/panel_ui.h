// The panel's pages described once for both drawing and clicking. A page is a function of
// a `PanelUi`: run to lay the page out, to draw it through the annotation drawer, or with
// a click, when each item tells whether the click fell on it.
//
// Geometry: everything is placed relative to the panel's origin (the point of the click
// that opened it) in screen pixels, whatever the view's zoom. Columns are pixels to the
// right of the origin; rows are 18 pixels high and counted downwards from it, row k being
// the band (k - 1) x 18 < dy <= k x 18.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "plugin/geometry/types.h"
#include "sdk/sdk.h"

namespace quill {

constexpr float kRowPixels = 18.0f;

/// A band of rows below the origin, in rows: top x 18 < dy <= bottom x 18.
struct Band {
    float top, bottom;
};
/// Columns right of the origin, in pixels: left <= dx < right.
struct Columns {
    float left, right;
};

/// Row k, from 1.
constexpr Band RowBand(int k) {
    return {static_cast<float>(k - 1), static_cast<float>(k)};
}
/// The band of one row whose top is `index` rows below `top`.
constexpr Band BandBelow(float top, int index) {
    return {top + static_cast<float>(index), top + static_cast<float>(index) + 1.0f};
}
/// The upper and lower halves of a band.
constexpr Band UpperHalf(Band band) {
    return {band.top, (band.top + band.bottom) / 2};
}
constexpr Band LowerHalf(Band band) {
    return {(band.top + band.bottom) / 2, band.bottom};
}

/// A point of the panel in pixels: dx to the right of the origin, dy below it.
struct PanelPoint {
    float dx = 0, dy = 0;
};

/// Where `point` (document points, y upwards) lies on the panel opened at `origin`, at
/// the view's `zoom`: screen pixels are document distances times the zoom.
PanelPoint PanelPointOf(Point point, Point origin, float zoom);

bool Inside(PanelPoint point, Band band, Columns columns);

class PanelUi {
 public:
    /// Lays the page out: nothing is drawn, the items only widen the panel's extent.
    /// `pointer` is where the pointer stands on the panel, as for drawing.
    static PanelUi ForLayout(PanelPoint pointer);
    /// Draws through `drawer` with the origin at `origin` (view pixels); `pointer` is where
    /// the pointer stands on the panel, for the messages of the items under it.
    static PanelUi ForDrawing(AIAnnotatorDrawer drawer, AIPoint origin, PanelPoint pointer);
    /// Answers `click`, made with Shift and Alt as given.
    static PanelUi ForClick(PanelPoint click, bool shift, bool alt);

    bool Drawing() const { return mode_ == Mode::Draw; }
    bool Clicking() const { return mode_ == Mode::Click; }
    bool Shift() const { return shift_; }
    bool Alt() const { return alt_; }
    /// An item took the click.
    bool TookClick() const { return taken_; }
    /// The code of the last drawing call, kNoErr when none failed last.
    AIErr LastCode() const { return lastCode_; }

    /// Whether the click falls in the band and columns and no item took it yet; if so the
    /// click is taken. Always false when not clicking.
    bool Hit(Band band, Columns columns);
    /// Whether the pointer stands in the band and columns while laying out or drawing.
    bool Hovered(Band band, Columns columns) const;

    void Title(const char* text);
    /// A text whose line is `band`, starting `x` pixels right of the origin.
    void Text(float x, Band band, const char* text);
    /// A help line, drawn below everything else of the page.
    void Help(std::string text);

    /// One value of a list; the current one is marked. True when clicked.
    bool Choice(Band band, Columns columns, const char* text, bool current);
    /// A check box and its label. True when clicked.
    bool CheckBox(Band band, Columns columns, const char* text, bool checked);
    /// A framed button, shaded when `marked`. True when clicked.
    bool Button(Band band, Columns columns, const char* text, bool marked = false);
    /// A two-way choice: the band `upper` shows `upperText` and sets `flag`, the band
    /// `lower` shows `lowerText` and clears it. True when clicked.
    bool TwoWay(Band upper, Band lower, Columns columns, const char* upperText,
                const char* lowerText, bool& flag);
    /// A framed square of a colour.
    void Swatch(Band band, Columns columns, AIRGBColor colour);
    /// A Bézier segment in panel pixels (dx, dy).
    void Curve(const PanelPoint (&points)[4]);

    /// Draws the background and frame of the extent laid out by `layout`, finished.
    void Background(const PanelUi& layout);
    /// Places the help lines below the page.
    void Finish();

 private:
    enum class Mode { Layout, Draw, Click };

    explicit PanelUi(Mode mode) : mode_(mode) {}
    void Widen(float left, float top, float right, float bottom);
    void SetColour(AIRGBColor colour);
    void DrawTextAt(float dx, float dy, const char* text);
    void Frame(float left, float top, float right, float bottom, bool filled);
    AIPoint ViewPoint(float dx, float dy) const;
    void Record(AIErr code) { lastCode_ = code; }

    Mode mode_;
    AIAnnotatorDrawer drawer_ = nullptr;
    AIPoint origin_{0, 0};
    PanelPoint pointer_;
    bool shift_ = false, alt_ = false, taken_ = false;
    AIErr lastCode_ = kNoErr;
    std::optional<AIRGBColor> colour_;
    // The extent of what the page placed, pixels from the origin.
    float left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    static constexpr int kMaxHelpLines = 8;
    std::string help_[kMaxHelpLines];
    int helpCount_ = 0;
};

}  // namespace quill
