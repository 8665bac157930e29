// A click on an existing dimension with another tool goes to the tool that made it, which
// rebuilds the dimension on the current settings and anchors.
#include <gtest/gtest.h>

#include <string>

#include "support/group_facts.h"
#include "support/scenario.h"

namespace quill::testing {
namespace {

const std::string& kPrefs = kPointsPrefs;

const nlohmann::json& LabelOf(const nlohmann::json& group) {
    for (const auto& piece : group["art"])
        if (piece.contains("contents")) return piece;
    static const nlohmann::json none;
    return none;
}

const nlohmann::json& Label(const nlohmann::json& dump) {
    return LabelOf(OnlyGroup(dump));
}

TEST(DimensionHandOver, TheSegmentToolGivesAnAngleDimensionToTheAngleTool) {
    // A 60-degree corner dimensioned at its vertex with "RayonAngle" 40 mm (R 113.38583);
    // reopened with 30 mm, the Segment tool clicks the arc's middle, at 30 degrees: the
    // Angle tool rebuilds it, the label now at 0.6 × 85.03937 from the vertex.
    const std::string file = SavedDrawing(
        "handover_angle.svg",
        kPrefs +
            "pref RayonAngle 40.0\ndoc new\npath name corner : 200,100 100,100 150,186.60254\n"
            "startup\ntool angle\nclick 100 100\n");
    auto s = RunToEnd(kPrefs + "pref RayonAngle 30.0\ndoc open " + file +
                      "\nstartup\ntool segment\nclick 198.19478 156.69291\n");
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    const nlohmann::json& label = Label(s.dump);
    EXPECT_EQ(label["contents"], "60°");
    EXPECT_POINT_NEAR(label["anchor"], 144.18776, 125.51181, 1e-3);
}

TEST(DimensionHandOver, EveryOtherToolGivesASegmentDimensionToTheSegmentTool) {
    // The press on the dimension line is the Segment tool's: it rebuilds the dimension and
    // its drag moves the line and the label to the pointer.
    for (const std::string tool : {"angle", "circle", "bezier"}) {
        const Scenario s = ExpectGroupFacts(
            {kPrefs +
                 "doc new\npath name base : 100,100 200,100\nstartup\ntool segment\n"
                 "click 100 100\nclick 200 100\ntool " +
                 tool + "\ndown 120 112\ndrag 150 140\nup 150 140\n",
             "Segment oblique",
             7,
             {},
             {{2, 0, 110.5, 140}, {6, kTextAnchor, 150, 140, 1e-3}}});
        EXPECT_TRUE(s.dump["alerts"].empty()) << tool << s.dump["alerts"];
    }
}

TEST(DimensionHandOver, TheToolTakingTheClickIsSelectedInTheHost) {
    // A segment dimension (its line at y 112) clicked by the Parameters and the Lengths &
    // Areas tools; then the pointer over an anchor and two clicks of a new measurement.
    const std::string drawing =
        "doc new\npath name base : 100,100 200,100\npath name other : 100,200 200,200\n"
        "startup\ntool segment\nclick 100 100\nclick 200 100\n";
    for (const std::string from : {"parameters", "lengths"}) {
        SCOPED_TRACE(from);
        const std::string hovered = TempPath("handover_hover.json");
        auto s =
            RunToEnd(kPrefs + drawing + "tool " + from + "\nclick 115 112\nmove 100 200\ndump " +
                     hovered + "\nclick 100 200\nclick 200 200\n");
        EXPECT_EQ(s.dump["host"]["selectedTool"], "Outil Segment");
        EXPECT_EQ(s.dump["tool"], "segment");
        const auto hover = nlohmann::json::parse(FileText(hovered));
        EXPECT_EQ(hover["cursor"], cursors::kAnchor);
        EXPECT_TRUE(Shows(hover, "Point d'ancrage 1")) << hover["annotation"];
        const auto& groups = *LayerArt(s.dump, "Dimensions");
        ASSERT_EQ(groups.size(), 2u);
        EXPECT_EQ(groups[1]["name"], "Segment oblique");
        EXPECT_EQ(LabelOf(groups[1])["contents"], "100 pt");
    }
}

TEST(DimensionHandOver, TheSegmentToolLendsOnePressToTheAngleTool) {
    // An angle dimension's arc pressed with the Segment tool is the Angle tool's press;
    // the presses after it are the Segment tool's again.
    auto s = RunToEnd(kPrefs +
                      "pref RayonAngle 40.0\ndoc new\n"
                      "path name corner : 200,100 100,100 150,186.60254\n"
                      "path name base : 300,100 400,100\nstartup\ntool angle\nclick 100 100\n"
                      "tool segment\nclick 198.19478 156.69291\nmove 300 100\n"
                      "click 300 100\nclick 400 100\n");
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    EXPECT_EQ(s.dump["host"]["selectedTool"], "Outil Segment");
    const auto& groups = *LayerArt(s.dump, "Dimensions");
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0]["name"], "Angle");
    EXPECT_EQ(groups[1]["name"], "Segment oblique");
}

}  // namespace
}  // namespace quill::testing
