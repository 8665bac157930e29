// Clicks on dense drawings: what lies nearest to the pointer is measured, whatever was
// painted over it nearby — another path's anchor, or an earlier dimension's pieces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scenario.h"

namespace quill::testing {
namespace {

const std::string kPoints = "pref Precision 2\npref UnitePrefs 6\n";

// The labels of the dimension groups, bottom to top.
std::vector<std::string> Labels(const nlohmann::json& dump) {
    std::vector<std::string> labels;
    const nlohmann::json* art = LayerArt(dump, "Dimensions");
    if (!art) return labels;
    for (const auto& group : *art)
        for (const auto& piece : group["art"])
            if (piece.contains("contents")) labels.push_back(piece["contents"]);
    return labels;
}

TEST(DenseDrawing, TheNearestAnchorWinsWhateverThePaintOrder) {
    // The second path, painted on top, has an anchor 4 points from the first path's: a
    // click exactly on the lower anchor measures from it (200, not 196).
    auto s = RunToEnd(kPoints +
                      "doc new\npath : 100,100 300,100\npath : 104,100 104,200\n"
                      "pref TypeDeCote 1\nstartup\ntool segment\n"
                      "click 100 100\ndown 300 100\ndrag 200 80\nup 200 80\n");
    EXPECT_EQ(Labels(s.dump), std::vector<std::string>{"200 pt"});
}

TEST(DenseDrawing, AnEarlierDimensionDoesNotShadowTheEdgeUnderThePointer) {
    // The first dimension's extension line runs 2.45 points above the edge (the line at
    // x 282..300, y 102.45); a click on the edge, away from every anchor, measures it.
    auto s = RunToEnd(kPoints +
                      "doc new\npath name edge : 250,100 350,100\n"
                      "path name post : 300,102.45 300,200\nstartup\ntool segment\n"
                      "click 300 102.45\nclick 300 200\nmove 295 100\nclick 295 100\n");
    EXPECT_TRUE(s.dump["alerts"].empty());
    EXPECT_EQ(Labels(s.dump), (std::vector<std::string>{"97,55 pt", "100 pt"}));
}

TEST(DenseDrawing, AnArcOfAFileIsMeasuredWholeAsDrawn) {
    // The mounting plate's fillet: a quarter circle of 16 mm written as one SVG arc comes
    // in as one Bézier, as the host's own circles are, so a click measures all of it:
    // 16 × π / 2 = 25.13 mm. A semicircle comes in as two quarters.
    auto s =
        RunToEnd("pref Precision 1\npref UnitePrefs 1\ndoc open " + std::string(QUILL_SOURCE_DIR) +
                 "/examples/plaque.svg\nstartup\ntool segment\n"
                 "down 516.25 336.70\ndrag 522 352\nup 522 352\n");
    EXPECT_EQ(Labels(s.dump), std::vector<std::string>{"25,1 mm"});
    for (const auto& path : s.dump["layers"][0]["art"]) {
        if (path["name"] != "conge") continue;
        EXPECT_EQ(path["segments"].size(), 2u);
    }
}

}  // namespace
}  // namespace quill::testing
