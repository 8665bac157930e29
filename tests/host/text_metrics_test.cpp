#include "host/fonts/text_metrics.h"

#include <gtest/gtest.h>

#include "host/document/document.h"

namespace host {
namespace {

/// A point text anchored at (100, 200) in DejaVu Sans, changed by `edit`, measured.
template <class Edit>
AIRealRect Measure(FontCatalog& fonts, const std::string& contents, float size, int justification,
                   Edit&& edit) {
    Document doc;
    Art& text = *doc.NewArt(ArtKind::Text, kPlaceDefault, nullptr);
    text.text().contents = contents;
    text.text().style.font = "DejaVu Sans";
    text.text().style.size = size;
    text.text().style.justification = justification;
    text.text().matrix = AIRealMatrix{1, 0, 0, 1, 100, 200};
    edit(text);
    return PointTextBounds(text, fonts);
}

AIRealRect Measure(FontCatalog& fonts, const std::string& contents, float size, int justification) {
    return Measure(fonts, contents, size, justification, [](Art&) {});
}

float Width(const AIRealRect& r) {
    return r.right - r.left;
}
float Height(const AIRealRect& r) {
    return r.top - r.bottom;
}

TEST(TextMetrics, BoundsGrowLinearlyWithTheSize) {
    FontCatalog fonts;
    AIRealRect at10 = Measure(fonts, "25,4 mm", 10, kLeftJustify);
    AIRealRect at20 = Measure(fonts, "25,4 mm", 20, kLeftJustify);
    EXPECT_GT(Width(at10), 10);
    EXPECT_NEAR(Width(at20), 2 * Width(at10), 1e-3);
    EXPECT_NEAR(Height(at20), 2 * Height(at10), 1e-3);
    // The box holds the baseline: ascent above, descent below the anchor.
    EXPECT_GT(at10.top, 200);
    EXPECT_LT(at10.bottom, 200);
    EXPECT_FLOAT_EQ(at10.left, 100);
}

TEST(TextMetrics, JustificationPlacesTheLineAboutTheAnchor) {
    FontCatalog fonts;
    AIRealRect left = Measure(fonts, "Mesure", 12, kLeftJustify);
    AIRealRect centre = Measure(fonts, "Mesure", 12, kCenterJustify);
    AIRealRect right = Measure(fonts, "Mesure", 12, kRightJustify);
    EXPECT_NEAR((centre.left + centre.right) / 2, 100, 1e-3);
    EXPECT_NEAR(right.right, 100, 1e-3);
    EXPECT_NEAR(Width(left), Width(right), 1e-3);
}

TEST(TextMetrics, TrackingShiftAndLinesChangeTheBox) {
    FontCatalog fonts;
    AIRealRect base = Measure(fonts, "abc", 10, kLeftJustify);
    // One em between characters: two gaps of 10 points.
    AIRealRect tracked =
        Measure(fonts, "abc", 10, kLeftJustify, [](Art& t) { t.text().style.tracking = 1000; });
    EXPECT_NEAR(Width(tracked), Width(base) + 2 * 10, 1e-3);
    AIRealRect shifted =
        Measure(fonts, "abc", 10, kLeftJustify, [](Art& t) { t.text().style.baselineShift = 4; });
    EXPECT_NEAR(shifted.top, base.top + 4, 1e-3);
    AIRealRect lines = Measure(fonts, "abc\rabcdef", 10, kLeftJustify);
    EXPECT_NEAR(Height(lines), Height(base) + 1.2 * 10, 1e-3);
    EXPECT_GT(Width(lines), Width(base));
}

TEST(TextMetrics, TheMatrixTurnsTheBoxAndUnknownFontsFallBack) {
    FontCatalog fonts;
    AIRealRect upright = Measure(fonts, "Mesure", 12, kCenterJustify);
    AIRealRect turned = Measure(fonts, "Mesure", 12, kCenterJustify, [](Art& t) {
        t.text().matrix = AIRealMatrix{0, 1, -1, 0, 100, 200};  // a quarter turn
    });
    EXPECT_NEAR(Height(turned), Width(upright), 1e-3);
    EXPECT_NEAR(Width(turned), Height(upright), 1e-3);
    AIRealRect unknown = Measure(fonts, "Mesure", 12, kCenterJustify,
                                 [](Art& t) { t.text().style.font = "No Such Font Regular"; });
    EXPECT_NEAR(Width(unknown), Width(upright), 1e-3);
}

TEST(FontCatalog, ListsFullNamesAndAScriptListReplacesThem) {
    FontCatalog fonts;
    EXPECT_GE(fonts.IndexOf("DejaVu Sans"), 0);
    fonts.SetNames({"Arial", "Times New Roman"});
    EXPECT_EQ(fonts.IndexOf("Times New Roman"), 1);
    EXPECT_EQ(fonts.IndexOf("DejaVu Sans"), -1);
}

}  // namespace
}  // namespace host
