// The Angle tool driven as a person would: clicks, drags and keys in session scripts,
// checked against the pieces, positions, labels and tags the dump shows. The expected
// numbers are worked out by hand from the construction: the arrowheads' room on the arc
// f0 = 2·atan(La / 2R) with La = 7 × 1.5 = 10.5 (shape 0 at "Zoom" 150), the arc drawn
// from α ± f0, the label at 0.6 R towards the middle of the arc's chord.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <utility>

#include "support/group_facts.h"
#include "support/scenario.h"

namespace quill::testing {
namespace {

const std::string& kPrefs = kPointsPrefs;
// A corner of 60 degrees at (100, 100): the first side along +x, the second turning
// counter-clockwise to (150, 186.60254), 100 from the vertex.
const std::string kCorner = kPrefs +
                            "doc new\npath name corner : 200,100 100,100 150,186.60254\n"
                            "startup\ntool angle\n";

// The art indices of an angle dimension's pieces, bottom to top.
enum Piece { kArrow2, kArrow1, kArc, kLabel };

const nlohmann::json& ArcOf(const Scenario& s) {
    return OnlyGroup(s.dump)["art"][kArc];
}

double Distance(const nlohmann::json& a, const nlohmann::json& b) {
    return std::hypot(a[0].get<double>() - b[0].get<double>(),
                      a[1].get<double>() - b[1].get<double>());
}

// clang-format off
TEST(AngleDimension, AVertexIsMeasuredAndTheArcFollowsThePointer) {
    // The pointer 50 from the vertex at 30 degrees: R = 50, f0 = 11.988 degrees, so the
    // arc runs from 11.988 to 48.012 degrees; the label at 30 from the vertex at 30 degrees.
    // The arrowheads' tips on the arc's ends, their bodies along the arc.
    const Scenario s = ExpectGroupFacts({kCorner + "down 100 100\ndrag 143.30127 125\n",
        "Angle", 4, {{kLabel, "60°"}},
        {{kLabel, kTextAnchor, 125.98076, 115.0, 1e-3}, {kArc, 0, 148.90952, 110.38550, 1e-3},
         {kArc, 1, 133.44887, 137.16414, 1e-3}, {kArrow1, 0, 148.90952, 110.38550, 1e-3},
         {kArrow2, 0, 133.44887, 137.16414, 1e-3}}});
    // clang-format on
    EXPECT_TRUE(s.dump["alerts"].empty());
    const auto& arc = ArcOf(s);
    ASSERT_EQ(arc["segments"].size(), 2u);
    // One section of 36.02 degrees: handles of 0.5522848 × 50 × 36.02 / 90.
    EXPECT_NEAR(Distance(AnchorOf(&arc, 0), arc["segments"][0]["out"]), 11.05295, 1e-3);
    EXPECT_GT(AnchorOf(&OnlyGroup(s.dump)["art"][kArrow1], 3)[1].get<double>(), 110.3855);
    // The arc carries the link: the anchors of the first side, the vertex, the second side.
    EXPECT_EQ(arc["tags"], nlohmann::json({{tags::kPiece, "jj"},
                                           {tags::kAngleMarker, "jj"},
                                           {tags::kAngleLink, "0"},
                                           {tags::kIndex1, "0"},
                                           {tags::kIndex2, "1"},
                                           {tags::kIndex3, "2"}}));
    EXPECT_EQ(s.dump["layers"][0]["art"][0]["tags"][tags::kAngleLink], "0");
}

// clang-format off
TEST(AngleDimension, OutsideTheSectorTheReflexAngleIsMeasuredAndAltFlipsItBack) {
    // Below the first side, 50 from the vertex: 300 degrees, the arc the other way round
    // from 0 to 60 degrees in four sections (no room taken by the inward arrowheads); the
    // label towards the chord's middle turned by π: 210 degrees.
    const Scenario reflex = ExpectGroupFacts({kCorner + "down 100 100\ndrag 100 50\n", "", 4,
        {{kLabel, "300°"}},
        {{kArc, 0, 150, 100, 1e-3}, {kArc, 1, 100, 50, 1e-3}, {kArc, 2, 50, 100, 1e-3},
         {kArc, 3, 100, 150, 1e-3}, {kArc, 4, 125, 143.30127, 1e-3},
         {kLabel, kTextAnchor, 74.01924, 85.0, 1e-3}}});
    EXPECT_EQ(ArcOf(reflex)["segments"].size(), 5u);
    const GroupFacts rows[] = {
        // A pointer on a side's ray is outside the sector.
        {kCorner + "down 100 100\ndrag 150 100\n", "", 4, {{kLabel, "300°"}}},
        // Alt measures the other angle: the arc of the opening again, as at 50 inside.
        {kCorner + "down 100 100\ndrag 100 50 alt\n", "", 4, {{kLabel, "60°"}},
         {{kArc, 0, 148.90952, 110.38550, 1e-3}, {kLabel, kTextAnchor, 125.98076, 115.0, 1e-3}}},
    };
    for (const GroupFacts& row : rows) ExpectGroupFacts(row);
}

TEST(AngleDimension, ShiftStepsTheRadiusAndCtrlPutsTheArrowheadsOutside) {
    // 41.23 from the vertex rounds up to two steps of 10 mm, 56.692914; with the
    // arrowheads outside the arc runs from side to side.
    const Scenario s = ExpectGroupFacts({kCorner + "down 100 100\ndrag 140 110 shift ctrl\n",
        "", 4, {}, {{kArc, 0, 156.692914, 100, 1e-3}, {kArc, 1, 128.346457, 149.097504, 1e-3},
        {kArrow1, 0, 156.692914, 100, 1e-3}, {kLabel, kTextAnchor, 129.458502, 117.007874, 1e-3}}});
    // The arrowhead's body beyond the first side.
    EXPECT_LT(AnchorOf(&OnlyGroup(s.dump)["art"][kArrow1], 3)[1].get<double>(), 100);
}

TEST(AngleDimension, AHalfTurnPutsTheLabelTowardsTheArcsSecondAnchor) {
    // Collinear sides: with Ctrl the arc is a half circle from 180 degrees, below the
    // line where the pointer is; its chord passes through the vertex, so the label goes
    // towards the arc's second anchor, at 270 degrees, 0.6 × 40 from the vertex.
    const Scenario s = ExpectGroupFacts({kPrefs + "doc new\npath name flat : 0,100 100,100 "
        "200,100\nstartup\ntool angle\ndown 100 100\ndrag 100 60 ctrl\n", "", 4,
        {{kLabel, "180°"}}, {{kArc, 1, 100, 60, 1e-3}, {kLabel, kTextAnchor, 100, 76, 1e-3}}});
    EXPECT_EQ(ArcOf(s)["segments"].size(), 3u);
}
// clang-format on

TEST(AngleDimension, MultipleArcsAreConcentricWithoutArrowheads) {
    // "RayonAngle" 10 mm: radii 28.346457, + 6 and + 12; no arrowheads, so no room.
    auto s =
        RunScenario("pref StyleArc 1\npref NbArcs 3\npref EcartArcs 6.0\npref Epaisseur 2.0\n" +
                    kCorner + "click 100 100\n");
    const auto& art = OnlyGroup(s.dump)["art"];
    ASSERT_EQ(art.size(), 4u);
    EXPECT_EQ(art[3]["contents"], "60°");
    const double radii[3] = {28.346457, 34.346457, 40.346457};  // art[2], art[1], art[0]
    for (int k = 0; k < 3; ++k) {
        const auto& arc = art[2 - k];
        EXPECT_EQ(arc["closed"], false);
        EXPECT_EQ(arc["style"]["width"], 2.0);
        EXPECT_TRUE(arc["style"]["dash"].empty());
        EXPECT_POINT_NEAR(arc["segments"][0]["p"], 100 + radii[k], 100, 1e-3);
        EXPECT_POINT_NEAR(arc["segments"][1]["p"], 100 + radii[k] / 2, 100 + radii[k] * 0.8660254,
                          1e-3);
    }
}

TEST(AngleDimension, ARightAngleIsASquareWithinThePrecision) {
    // 90.5 degrees: a square at "Precision" 0 (89 to 91), an arc at 2 (89.99 to 90.01;
    // the margins are the dimension rules' tests').
    const auto corner = [](const std::string& prefs) {
        return "pref UnitePrefs 6\n" + prefs +
               "doc new\npath name corner : 200,100 100,100 99.127346,199.996192\nstartup\n"
               "tool angle\nclick 100 100\n";
    };
    // clang-format off
    // The square alone: no arrowheads, no label.
    const Scenario square = ExpectGroupFacts({corner("pref Precision 0\n"), "", 1, {},
        {{0, 0, 128.346457, 100, 1e-3}, {0, 1, 128.346457, 128.346457, 1e-3},
         {0, 2, 100, 128.346457, 1e-3}}});
    const auto& squareArt = OnlyGroup(square.dump)["art"][0];
    EXPECT_EQ(squareArt["segments"].size(), 3u);
    EXPECT_EQ(squareArt["tags"][tags::kAngleMarker], "jj");
    ExpectGroupFacts({corner("pref Precision 2\n"), "", 4, {{kLabel, "90,5°"}}});
    // The label's decimals and separator are those of the main measure; no "°" without
    // the unit shown.
    ExpectGroupFacts({corner("pref Precision 3\npref Virgule false\npref AfficheUnite false\n"),
        "", 4, {{kLabel, "90.5"}}});
}

TEST(AngleDimension, TwoSidesSharingAnAnchorMeasureAtThatAnchor) {
    // Clicked near their far ends, the sides still meet at the anchor they share.
    auto pending = RunToEnd(kCorner + "click 190 100\nmove 300 400\n");
    EXPECT_EQ(pending.dump["cursor"], cursors::kStraightSegment);  // the second side is awaited
    EXPECT_EQ(LayerArt(pending.dump, "Dimensions"), nullptr);
    const Scenario s = ExpectGroupFacts({kCorner + "click 190 100\nclick 145 177.94229\n", "", 4,
        {{kLabel, "60°"}}, {{kLabel, kTextAnchor, 114.729251, 108.503937, 1e-3}}});
    // clang-format on
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    EXPECT_EQ(ArcOf(s)["tags"][tags::kIndex1], "0");
    EXPECT_EQ(ArcOf(s)["tags"][tags::kIndex2], "1");
    EXPECT_EQ(ArcOf(s)["tags"][tags::kIndex3], "2");
}

TEST(AngleDimension, CrossingSidesMeasureTheHalvesThatWereClicked) {
    // A horizontal line and a line at 60 degrees crossing at (400, 300). The left half
    // and the upper half make 120 degrees (label at 120 degrees from the crossing, 0.6 R);
    // the right half and the upper half, 60 degrees (label at 30 degrees).
    const std::string lines = kPrefs +
                              "doc new\npath name h : 300,300 500,300\n"
                              "path name l : 350,213.39746 450,386.60254\nstartup\ntool angle\n";
    // clang-format off
    const Scenario obtuse = ExpectGroupFacts({lines + "click 340 300\nclick 415 325.98076\n", "",
        4, {{kLabel, "120°"}}, {{kLabel, kTextAnchor, 391.496063, 314.729251, 1e-3}}});
    ExpectGroupFacts({lines + "click 460 300\nclick 415 325.98076\n", "", 4, {{kLabel, "60°"}},
        {{kLabel, kTextAnchor, 414.729251, 308.503937, 1e-3}}});
    // clang-format on
    // Two paths: nothing to rebuild from.
    EXPECT_FALSE(ArcOf(obtuse)["tags"].contains(tags::kAngleLink));
    EXPECT_FALSE(ArcOf(obtuse)["tags"].contains(tags::kAngleMarker));
}

TEST(AngleDimension, AnArcIsMeasuredFromItsCentre) {
    // A sixth of a circle of radius 100 about (100, 100). At the click the working radius
    // is 100 + "Attaches" 12; the radius lines reach 0.04 × 150 beyond it. The pieces:
    // arrowheads, arc, radius lines, label.
    const std::string arc = kPrefs +
                            "doc new\nbezier name arc : M 200 100 C 200 135.7266 180.9401 "
                            "168.7392 150 186.60254\nstartup\ntool angle\ndown 186.60254 150\n";
    // clang-format off
    const Scenario click = ExpectGroupFacts({arc, "", 5, {{4, "60°"}},
        {{4, kTextAnchor, 158.196907, 133.6, 1e-2}, {3, 0, 218, 100, 1e-3}, {3, 1, 100, 100, 1e-3},
         {3, 2, 159, 202.190998, 1e-3}}});
    EXPECT_EQ(OnlyGroup(click.dump)["art"][3]["segments"].size(), 3u);
    // Dragged with Alt: the reflex angle, its label on the side away from the pointer,
    // at 0.6 × 117.047 (the pointer's distance) towards 210 degrees. The arc's middle
    // is found along its Bézier sections, a little off the circle's.
    ExpectGroupFacts({arc + "drag 210 140 alt\n", "", 0, {{4, "300°"}},
        {{4, kTextAnchor, 39.180595, 64.885900, 5e-2}}});
    // clang-format on
}

TEST(AngleDimension, RefusalsLeaveTheDrawingAsItWas) {
    const std::string vertex = "Ce point n'est pas le sommet d'un angle.";
    const std::pair<std::string, nlohmann::json> rows[] = {
        {kPrefs + "doc new\npath name corner : 200,100 100,100 150,186.60254\n"
                  "path name p1 : 100,300 200,300\npath name p2 : 100,320 200,320\n"
                  "bezier name curve : M 300 500 C 350 600 450 400 500 500\n"
                  "startup\ntool angle\n"
                  "click 200 100\n"                  // the end of an open path
                  "click 150 300\nclick 150 320\n"   // parallel sides
                  "click 150 300\nclick 400 500\n",  // a curve, not a side
         {vertex, "Les deux côtés sont parallèles !",
          "Vous devez cliquer sur le second côté de l'angle\r\rou tenir la touche "
          "Contrôle enfoncée."}},
        // An anchor whose neighbours cannot be read is no vertex.
        {kCorner + "fail Path.GetPathClosed \"PARM\"\nclick 100 100\n", {vertex}},
    };
    for (const auto& [script, alerts] : rows) {
        auto s = RunToEnd(script);
        EXPECT_EQ(s.dump["alerts"], alerts);
        EXPECT_TRUE(LayerArt(s.dump, "Dimensions")->empty());
        for (const auto& path : s.dump["layers"][0]["art"]) EXPECT_TRUE(path["tags"].empty());
    }
}

// A 60-degree corner dimensioned at its vertex, "RayonAngle" 20 mm (R = 56.692914),
// saved; the arc's middle, at 30 degrees, is where a click rebuilds it.
const std::string kSavedPrefs = kPrefs + "pref RayonAngle 20.0\n";

std::string ClickTheArc(const std::string& file, const std::string& drawing) {
    std::ofstream(file) << drawing;
    return kSavedPrefs + "doc open " + file +
           "\nstartup\ntool angle\nclick 149.097504 128.346457\n";
}

TEST(SavedAngleDimensions, AReopenedDimensionRebuildsOnTheMovedAnchor) {
    const std::string file = SavedDrawing(
        "saved_angle.svg", kSavedPrefs +
                               "doc new\npath name corner : 200,100 100,100 150,186.60254\n"
                               "startup\ntool angle\nclick 100 100\n");
    const std::string text = FileText(file);
    // Elsewhere, the second side turns to 45 degrees: its end moves to (170.71, 170.71).
    // The old dimension is replaced; its label at 0.6 R, 22.5°.
    const Scenario s = ExpectGroupFacts(
        {ClickTheArc(
             file,
             Edited(text, R"((quill:name="corner"[^>]*d="M 200 100 L 100 100 L )150 186.60254)",
                    "$01170.71068 170.71068")),
         "",
         4,
         {{kLabel, "45°"}},
         {{kLabel, kTextAnchor, 131.426454, 113.017263, 1e-3}}});
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    EXPECT_EQ(ArcOf(s)["tags"][tags::kAngleLink], "0");

    // The measured path gone, or a link edited beyond its anchors: the user is told and
    // the old dimension stays.
    for (const std::string& broken :
         {Edited(text, R"(<path quill:name="corner"[^>]*/>)", ""),
          Edited(text, R"(quill:tag-num3="2")", "quill:tag-num3=\"99\"")}) {
        const Scenario refused =
            ExpectGroupFacts({ClickTheArc(file, broken), "", 4, {{kLabel, "60°"}}});
        EXPECT_EQ(
            refused.dump["alerts"],
            nlohmann::json::array({"Le tracé correspondant à cette cote n'a pas été trouvé !"}));
    }
}

}  // namespace
}  // namespace quill::testing
