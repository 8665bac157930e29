// The Angle tool driven as a person would: clicks, drags and keys in session scripts,
// checked against the pieces, positions, labels and tags the dump shows. The expected
// numbers are worked out by hand from the construction: the arrowheads' room on the arc
// f0 = 2·atan(La / 2R) with La = 7 × 1.5 = 10.5 (shape 0 at "Zoom" 150), the arc drawn
// from α ± f0, the label at 0.6 R towards the middle of the arc's chord.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "support/scenario.h"

namespace quill::testing {
namespace {

const std::string kPrefs = "pref Precision 1\npref UnitePrefs 6\n";
// A corner of 60 degrees at (100, 100): the first side along +x, the second turning
// counter-clockwise to (150, 186.60254), 100 from the vertex.
const std::string kCorner = kPrefs +
                            "doc new\npath name corner : 200,100 100,100 150,186.60254\n"
                            "startup\ntool angle\n";

// The pieces of an angle dimension, from the top: label, arc, arrowheads 1 and 2.
struct Pieces {
    const nlohmann::json *label, *arc, *arrow1, *arrow2;
};

Pieces AnglePieces(const nlohmann::json& group) {
    const auto& art = group["art"];
    EXPECT_EQ(art.size(), 4u) << art;
    return {&art[3], &art[2], &art[1], &art[0]};
}

double Distance(const nlohmann::json& a, const nlohmann::json& b) {
    return std::hypot(a[0].get<double>() - b[0].get<double>(),
                      a[1].get<double>() - b[1].get<double>());
}

TEST(AngleDimension, AVertexIsMeasuredAndTheArcFollowsThePointer) {
    // The pointer 50 from the vertex at 30 degrees: R = 50, f0 = 11.988 degrees, so the
    // arc runs from 11.988 to 48.012 degrees; the label at 30 from the vertex at 30 degrees.
    auto s = RunScenario(kCorner + "down 100 100\ndrag 143.30127 125\n");
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    EXPECT_TRUE(s.dump["alerts"].empty());
    const auto& group = OnlyGroup(s.dump);
    EXPECT_EQ(group["name"], "Angle");
    const Pieces p = AnglePieces(group);
    EXPECT_EQ((*p.label)["contents"], "60°");
    EXPECT_POINT_NEAR((*p.label)["anchor"], 125.98076, 115.0, 1e-3);
    ASSERT_EQ((*p.arc)["segments"].size(), 2u);
    EXPECT_POINT_NEAR(AnchorOf(p.arc, 0), 148.90952, 110.38550, 1e-3);
    EXPECT_POINT_NEAR(AnchorOf(p.arc, 1), 133.44887, 137.16414, 1e-3);
    // One section of 36.02 degrees: handles of 0.5522848 × 50 × 36.02 / 90.
    EXPECT_NEAR(Distance(AnchorOf(p.arc, 0), (*p.arc)["segments"][0]["out"]), 11.05295, 1e-3);
    // The arrowheads' tips on the arc's ends, their bodies along the arc.
    EXPECT_POINT_NEAR(AnchorOf(p.arrow1, 0), 148.90952, 110.38550, 1e-3);
    EXPECT_POINT_NEAR(AnchorOf(p.arrow2, 0), 133.44887, 137.16414, 1e-3);
    EXPECT_GT(AnchorOf(p.arrow1, 3)[1].get<double>(), 110.3855);
    // The arc carries the link: the anchors of the first side, the vertex, the second side.
    const auto& tags = (*p.arc)["tags"];
    EXPECT_EQ(tags[tags::kPiece], "jj");
    EXPECT_EQ(tags[tags::kAngleMarker], "jj");
    EXPECT_EQ(tags[tags::kAngleLink], "0");
    EXPECT_EQ(tags[tags::kIndex1], "0");
    EXPECT_EQ(tags[tags::kIndex2], "1");
    EXPECT_EQ(tags[tags::kIndex3], "2");
    EXPECT_EQ(s.dump["layers"][0]["art"][0]["tags"][tags::kAngleLink], "0");
}

TEST(AngleDimension, OutsideTheSectorTheReflexAngleIsMeasuredAndAltFlipsItBack) {
    // Below the first side, 50 from the vertex: 300 degrees, the arc the other way round
    // from 0 to 60 degrees in four sections (no room taken by the inward arrowheads).
    auto reflex = RunScenario(kCorner + "down 100 100\ndrag 100 50\n");
    Pieces p = AnglePieces(OnlyGroup(reflex.dump));
    EXPECT_EQ((*p.label)["contents"], "300°");
    ASSERT_EQ((*p.arc)["segments"].size(), 5u);
    const double corners[5][2] = {{150, 100}, {100, 50}, {50, 100}, {100, 150}, {125, 143.30127}};
    for (int i = 0; i < 5; ++i)
        EXPECT_POINT_NEAR(AnchorOf(p.arc, i), corners[i][0], corners[i][1], 1e-3);
    // Towards the chord's middle turned by π: 210 degrees.
    EXPECT_POINT_NEAR((*p.label)["anchor"], 74.01924, 85.0, 1e-3);
    // A pointer on a side's ray is outside the sector.
    auto onRay = RunScenario(kCorner + "down 100 100\ndrag 150 100\n");
    EXPECT_EQ((*AnglePieces(OnlyGroup(onRay.dump)).label)["contents"], "300°");
    // Alt measures the other angle: the arc of the opening again, as at 50 inside.
    auto alt = RunScenario(kCorner + "down 100 100\ndrag 100 50 alt\n");
    p = AnglePieces(OnlyGroup(alt.dump));
    EXPECT_EQ((*p.label)["contents"], "60°");
    EXPECT_POINT_NEAR(AnchorOf(p.arc, 0), 148.90952, 110.38550, 1e-3);
    EXPECT_POINT_NEAR((*p.label)["anchor"], 125.98076, 115.0, 1e-3);
}

TEST(AngleDimension, ShiftStepsTheRadiusAndCtrlPutsTheArrowheadsOutside) {
    // 41.23 from the vertex rounds up to two steps of 10 mm, 56.692914; with the
    // arrowheads outside the arc runs from side to side.
    auto s = RunScenario(kCorner + "down 100 100\ndrag 140 110 shift ctrl\n");
    const Pieces p = AnglePieces(OnlyGroup(s.dump));
    EXPECT_POINT_NEAR(AnchorOf(p.arc, 0), 156.692914, 100, 1e-3);
    EXPECT_POINT_NEAR(AnchorOf(p.arc, 1), 128.346457, 149.097504, 1e-3);
    EXPECT_POINT_NEAR(AnchorOf(p.arrow1, 0), 156.692914, 100, 1e-3);
    EXPECT_LT(AnchorOf(p.arrow1, 3)[1].get<double>(), 100);  // beyond the first side
    EXPECT_POINT_NEAR((*p.label)["anchor"], 129.458502, 117.007874, 1e-3);
}

TEST(AngleDimension, AHalfTurnPutsTheLabelTowardsTheArcsSecondAnchor) {
    // Collinear sides: with Ctrl the arc is a half circle from 180 degrees, below the
    // line where the pointer is; its chord passes through the vertex, so the label goes
    // towards the arc's second anchor, at 270 degrees, 0.6 × 40 from the vertex.
    auto s = RunScenario(kPrefs +
                         "doc new\npath name flat : 0,100 100,100 200,100\nstartup\n"
                         "tool angle\ndown 100 100\ndrag 100 60 ctrl\n");
    const Pieces p = AnglePieces(OnlyGroup(s.dump));
    EXPECT_EQ((*p.label)["contents"], "180°");
    ASSERT_EQ((*p.arc)["segments"].size(), 3u);
    EXPECT_POINT_NEAR(AnchorOf(p.arc, 1), 100, 60, 1e-3);
    EXPECT_POINT_NEAR((*p.label)["anchor"], 100, 76, 1e-3);
}

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
    const auto corner = [](const std::string& prefs, const std::string& second) {
        return RunScenario("pref UnitePrefs 6\n" + prefs +
                           "doc new\npath name corner : 200,100 100,100 " + second +
                           "\nstartup\ntool angle\nclick 100 100\n");
    };
    const std::string almostRight = "99.127346,199.996192";
    auto square = corner("pref Precision 0\n", almostRight);
    const auto& squareArt = OnlyGroup(square.dump)["art"];
    ASSERT_EQ(squareArt.size(), 1u);  // no arrowheads, no label
    ASSERT_EQ(squareArt[0]["segments"].size(), 3u);
    EXPECT_POINT_NEAR(squareArt[0]["segments"][0]["p"], 128.346457, 100, 1e-3);
    EXPECT_POINT_NEAR(squareArt[0]["segments"][1]["p"], 128.346457, 128.346457, 1e-3);
    EXPECT_POINT_NEAR(squareArt[0]["segments"][2]["p"], 100, 128.346457, 1e-3);
    EXPECT_EQ(squareArt[0]["tags"][tags::kAngleMarker], "jj");
    auto arc = corner("pref Precision 2\n", almostRight);
    EXPECT_EQ((*AnglePieces(OnlyGroup(arc.dump)).label)["contents"], "90,5°");
    // The label's decimals and separator are those of the main measure; no "°" without
    // the unit shown.
    auto plain =
        corner("pref Precision 3\npref Virgule false\npref AfficheUnite false\n", almostRight);
    EXPECT_EQ((*AnglePieces(OnlyGroup(plain.dump)).label)["contents"], "90.5");
}

TEST(AngleDimension, TwoSidesSharingAnAnchorMeasureAtThatAnchor) {
    // Clicked near their far ends, the sides still meet at the anchor they share.
    auto pending = RunScenario(kCorner + "click 190 100\nmove 300 400\n");
    EXPECT_EQ(pending.dump["cursor"], cursors::kStraightSegment);  // the second side is awaited
    EXPECT_EQ(LayerArt(pending.dump, "Dimensions"), nullptr);
    auto s = RunScenario(kCorner + "click 190 100\nclick 145 177.94229\n");
    ASSERT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    const Pieces p = AnglePieces(OnlyGroup(s.dump));
    EXPECT_EQ((*p.label)["contents"], "60°");
    EXPECT_POINT_NEAR((*p.label)["anchor"], 114.729251, 108.503937, 1e-3);
    EXPECT_EQ((*p.arc)["tags"][tags::kIndex1], "0");
    EXPECT_EQ((*p.arc)["tags"][tags::kIndex2], "1");
    EXPECT_EQ((*p.arc)["tags"][tags::kIndex3], "2");
}

TEST(AngleDimension, CrossingSidesMeasureTheHalvesThatWereClicked) {
    // A horizontal line and a line at 60 degrees crossing at (400, 300). The left half
    // and the upper half make 120 degrees (label at 120 degrees from the crossing, 0.6 R);
    // the right half and the upper half, 60 degrees (label at 30 degrees).
    const std::string lines = kPrefs +
                              "doc new\npath name h : 300,300 500,300\n"
                              "path name l : 350,213.39746 450,386.60254\nstartup\ntool angle\n";
    auto obtuse = RunScenario(lines + "click 340 300\nclick 415 325.98076\n");
    Pieces p = AnglePieces(OnlyGroup(obtuse.dump));
    EXPECT_EQ((*p.label)["contents"], "120°");
    EXPECT_POINT_NEAR((*p.label)["anchor"], 391.496063, 314.729251, 1e-3);
    EXPECT_FALSE(
        (*p.arc)["tags"].contains(tags::kAngleLink));  // two paths: nothing to rebuild from
    EXPECT_FALSE((*p.arc)["tags"].contains(tags::kAngleMarker));
    auto acute = RunScenario(lines + "click 460 300\nclick 415 325.98076\n");
    p = AnglePieces(OnlyGroup(acute.dump));
    EXPECT_EQ((*p.label)["contents"], "60°");
    EXPECT_POINT_NEAR((*p.label)["anchor"], 414.729251, 308.503937, 1e-3);
}

TEST(AngleDimension, AnArcIsMeasuredFromItsCentre) {
    // A sixth of a circle of radius 100 about (100, 100). At the click the working radius
    // is 100 + "Attaches" 12; the radius lines reach 0.04 × 150 beyond it.
    const std::string arc = kPrefs +
                            "doc new\nbezier name arc : M 200 100 C 200 135.7266 180.9401 "
                            "168.7392 150 186.60254\nstartup\ntool angle\ndown 186.60254 150\n";
    auto click = RunScenario(arc);
    const auto& art = OnlyGroup(click.dump)["art"];
    ASSERT_EQ(art.size(), 5u);  // arrowheads, arc, radius lines, label
    EXPECT_EQ(art[4]["contents"], "60°");
    EXPECT_POINT_NEAR(art[4]["anchor"], 158.196907, 133.6, 1e-2);
    const auto& lines = art[3]["segments"];
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_POINT_NEAR(lines[0]["p"], 218, 100, 1e-3);
    EXPECT_POINT_NEAR(lines[1]["p"], 100, 100, 1e-3);
    EXPECT_POINT_NEAR(lines[2]["p"], 159, 202.190998, 1e-3);
    // Dragged with Alt: the reflex angle, its label on the side away from the pointer,
    // at 0.6 × 117.047 (the pointer's distance) towards 210 degrees. The arc's middle
    // is found along its Bézier sections, a little off the circle's.
    auto alt = RunScenario(arc + "drag 210 140 alt\n");
    const auto& label = OnlyGroup(alt.dump)["art"][4];
    EXPECT_EQ(label["contents"], "300°");
    EXPECT_POINT_NEAR(label["anchor"], 39.180595, 64.885900, 5e-2);
}

TEST(AngleDimension, RefusalsLeaveTheDrawingAsItWas) {
    auto s = RunScenario(kPrefs +
                         "doc new\npath name corner : 200,100 100,100 150,186.60254\n"
                         "path name p1 : 100,300 200,300\npath name p2 : 100,320 200,320\n"
                         "bezier name curve : M 300 500 C 350 600 450 400 500 500\n"
                         "startup\ntool angle\n"
                         "click 200 100\n"                   // the end of an open path
                         "click 150 300\nclick 150 320\n"    // parallel sides
                         "click 150 300\nclick 400 500\n");  // a curve, not a side
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    const auto& alerts = s.dump["alerts"];
    ASSERT_EQ(alerts.size(), 3u);
    EXPECT_EQ(alerts[0], "Ce point n'est pas le sommet d'un angle.");
    EXPECT_EQ(alerts[1], "Les deux côtés sont parallèles !");
    EXPECT_EQ(alerts[2],
              "Vous devez cliquer sur le second côté de l'angle\r\rou tenir la touche "
              "Contrôle enfoncée.");
    EXPECT_TRUE(LayerArt(s.dump, "Dimensions")->empty());
    for (const auto& path : s.dump["layers"][0]["art"]) EXPECT_TRUE(path["tags"].empty());
}

TEST(AngleDimension, AnAnchorWhoseNeighboursCannotBeReadIsNoVertex) {
    auto s = RunScenario(kCorner + "fail Path.GetPathClosed \"PARM\"\nclick 100 100\n");
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    ASSERT_EQ(s.dump["alerts"].size(), 1u);
    EXPECT_EQ(s.dump["alerts"][0], "Ce point n'est pas le sommet d'un angle.");
    EXPECT_TRUE(LayerArt(s.dump, "Dimensions")->empty());
}

TEST(AngleDimension, AClickOnASegmentDimensionGoesToTheSegmentTool) {
    auto s = RunScenario(kPrefs +
                         "doc new\npath name base : 100,100 200,100\nstartup\ntool segment\n"
                         "click 100 100\nclick 200 100\ntool angle\n"
                         "down 115 112\ndrag 150 130\n");
    const auto& group = OnlyGroup(s.dump);
    EXPECT_EQ(group["name"], "Segment oblique");
    EXPECT_POINT_NEAR(group["art"].back()["anchor"], 150, 130, 1e-3);  // the Segment drag
}

// A 60-degree corner dimensioned at its vertex, "RayonAngle" 20 mm (R = 56.692914),
// saved; the arc's middle, at 30 degrees, is where a click rebuilds it.
const std::string kSavedPrefs = kPrefs + "pref RayonAngle 20.0\n";
std::string SavedCorner(const std::string& name) {
    const std::string file = ::testing::TempDir() + name;
    auto s = RunScenario(kSavedPrefs +
                         "doc new\npath name corner : 200,100 100,100 150,186.60254\n"
                         "startup\ntool angle\nclick 100 100\ndoc save " +
                         file + "\n");
    EXPECT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    return file;
}

Scenario ClickTheArc(const std::string& file, const std::string& drawing) {
    std::ofstream(file) << drawing;
    return RunScenario(kSavedPrefs + "doc open " + file +
                       "\nstartup\ntool angle\nclick 149.097504 128.346457\n");
}

TEST(SavedAngleDimensions, AReopenedDimensionRebuildsOnTheMovedAnchor) {
    const std::string file = SavedCorner("quill_saved_angle.svg");
    const std::string text = FileText(file);
    // Elsewhere, the second side turns to 45 degrees: its end moves to (170.71, 170.71).
    const std::regex side(R"((quill:name="corner"[^>]*d="M 200 100 L 100 100 L )150 186.60254)");
    ASSERT_TRUE(std::regex_search(text, side)) << text;
    auto s = ClickTheArc(file, std::regex_replace(text, side, "$01170.71068 170.71068"));
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    const Pieces p = AnglePieces(OnlyGroup(s.dump));  // the old dimension replaced
    EXPECT_EQ((*p.label)["contents"], "45°");
    EXPECT_POINT_NEAR((*p.label)["anchor"], 131.426454, 113.017263, 1e-3);  // 0.6 R, 22.5°
    EXPECT_EQ((*p.arc)["tags"][tags::kAngleLink], "0");

    // The measured path gone, or a link edited beyond its anchors: the user is told and
    // the old dimension stays.
    const std::regex measured(R"(<path quill:name="corner"[^>]*/>)");
    const std::regex index(R"(quill:tag-num3="2")");
    for (const std::string& broken : {std::regex_replace(text, measured, ""),
                                      std::regex_replace(text, index, "quill:tag-num3=\"99\"")}) {
        auto refused = ClickTheArc(file, broken);
        ASSERT_EQ(refused.dump["alerts"].size(), 1u);
        EXPECT_EQ(refused.dump["alerts"][0],
                  "Le tracé correspondant à cette cote n'a pas été trouvé !");
        EXPECT_EQ((*AnglePieces(OnlyGroup(refused.dump)).label)["contents"], "60°");
    }
    std::remove(file.c_str());
}

}  // namespace
}  // namespace quill::testing
