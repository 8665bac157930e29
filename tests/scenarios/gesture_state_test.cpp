// What one gesture leaves for the next: nothing of a drag outlives its mouse-up or a tool
// selection, and the Segment tool's memory holds only points that were measured.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/scenario.h"

namespace quill::testing {
namespace {

const std::string kPrefs = "pref Precision 1\npref UnitePrefs 6\npref AffCoulAnno false\n";

TEST(GestureState, TheLengthsToolStartsWithoutTheLastDrag) {
    // A Segment, Angle or Circle dimension dragged into place, then the Lengths & Areas
    // tool over an anchor: its hint, no rubber band.
    const std::string drawing =
        "doc new\npath name base : 100,100 200,100\n"
        "path name corner : 300,100 200,300 350,300\ncircle 400 600 50\nstartup\n";
    const std::string drags[] = {
        "tool segment\nclick 100 100\ndown 200 100\ndrag 150 150\nup 150 150\n",
        "tool angle\ndown 200 300\ndrag 260 320 alt\nup 260 320 alt\n",
        "tool circle\ndown 435.35535 635.35535\ndrag 480 680 alt\nup 480 680 alt\n",
    };
    for (const std::string& drag : drags) {
        SCOPED_TRACE(drag);
        auto s = RunToEnd(kPrefs + drawing + drag + "tool lengths\nmove 100 100\n");
        EXPECT_TRUE(Shows(s.dump, "Premier point.")) << s.dump["annotation"];
        EXPECT_FALSE(Shows(s.dump, "Tracez un rectangle de sélection"));
        for (const auto& op : s.dump["annotation"]) EXPECT_NE(op["op"], "rect") << op;
    }
}

TEST(GestureState, TheCircleHoverReadsTheRadiusAfterAnAltDrag) {
    auto s = RunToEnd(kPrefs +
                      "doc new\ncircle 400 600 50\ncircle 200 200 30\nstartup\ntool circle\n"
                      "down 435.35535 635.35535\ndrag 480 680 alt\nup 480 680 alt\n"
                      "move 221.2132 221.2132\n");
    EXPECT_TRUE(Shows(s.dump, "Rayon=R 30 pt")) << s.dump["annotation"];
}

TEST(GestureState, ACurveDimensionLeavesNoPointToSnapTo) {
    // After a length along a curve, a drag 3 points from the page's origin: the line is
    // placed at the pointer, 7 below the measured points, not snapped to (0, 0).
    auto s = RunToEnd(kPrefs +
                      "doc new\nbezier : M 200 200 C 250 300 350 300 400 200\n"
                      "path name base : 10,10 60,10\nstartup\ntool segment\n"
                      "down 300 275\ndrag 300 300\nup 300 300\n"
                      "click 10 10\ndown 60 10\ndrag 3 3\nup 3 3\n");
    const auto& groups = *LayerArt(s.dump, "Dimensions");
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0]["name"], "Segment courbe");
    const auto& arrowhead1 = groups[1]["art"][1];
    EXPECT_POINT_NEAR(AnchorOf(&arrowhead1, 0), 10, 3, 1e-4);
}

TEST(GestureState, NoGestureLeavesADimensionThatShowsNothing) {
    const std::string distinct = "Il faut cliquer sur deux points distincts. Cotation impossible !";
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        // A circle pressed without a drag: no leader, no label, the radius line at (0, 0).
        {"tool circle\nclick 435.35535 635.35535\n", {}},
        // Two presses on one point measure nothing, horizontally or vertically.
        {"pref TypeDeCote 1\nrestart\ntool segment\nclick 100 100\nclick 100 100\n", {distinct}},
        {"pref TypeDeCote 2\nrestart\ntool segment\nclick 200 100\ndown 200 100\nup 200 100\n",
         {distinct}},
        // A press whose mouse-up never comes, the tool chosen again, then another tool.
        {"tool segment\ndown 300 300\ntool segment\ntool parameters\n", {}},
    };
    for (const auto& [gesture, alerts] : rows) {
        SCOPED_TRACE(gesture);
        auto s = RunToEnd(kPrefs +
                          "doc new\npath name base : 100,100 200,100\n"
                          "circle 400 600 50\nstartup\n" +
                          gesture);
        EXPECT_EQ(s.dump["alerts"], nlohmann::json(alerts));
        const nlohmann::json* dimensions = LayerArt(s.dump, "Dimensions");
        EXPECT_TRUE(!dimensions || dimensions->empty()) << *dimensions;
    }
}

}  // namespace
}  // namespace quill::testing
