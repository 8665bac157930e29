// The Segment tool driven as a person would: clicks, drags and keys in session scripts,
// checked against the pieces, positions, labels and tags the dump shows.
#include <gtest/gtest.h>

#include <string>

#include "support/group_facts.h"
#include "support/scenario.h"

namespace quill::testing {
namespace {

// Points, precision 1, and the defaults otherwise: "Attaches" 12, "Zoom" 150, shape 0
// (inset 7, so lines stop 10.5 short of the tips), "Gap" 0, labels in DejaVu Sans 12.
const std::string& kPrefs = kPointsPrefs;
const std::string kBase = kPrefs + "doc new\npath name base : 100,100 200,100\nstartup\n";
const std::string kBox = "path closed name box : 100,100 200,100 200,160 100,160\n";

// The art indices of a segment dimension's pieces, bottom to top. Without line B (the
// label off the line) the pieces above it come one lower.
enum Piece { kArrow2, kArrow1, kLineA, kLineB, kExtension2, kExtension1, kLabel };

TEST(SegmentDimension, ObliqueBetweenTwoAnchorsIsBuiltPieceByPiece) {
    // Extension lines from the points to 0.04 x 150 beyond the line at 12; the line stops
    // 10.5 short of each tip; the arrowheads, the barbed shape scaled by 1.5, have their
    // tips on the line's ends.
    // clang-format off
    const Scenario s = ExpectGroupFacts({kBase + "tool segment\nclick 100 100\nclick 200 100\n",
        "Segment oblique", 7, {{kLabel, "100 pt"}},
        {{kLabel, kTextAnchor, 150, 112}, {kExtension1, 0, 100, 100}, {kExtension1, 1, 100, 118},
         {kExtension2, 1, 200, 118}, {kLineA, 0, 110.5, 112}, {kLineB, 0, 189.5, 112},
         {kArrow1, 0, 100, 112}, {kArrow1, 3, 110.5, 112}, {kArrow2, 0, 200, 112}}});
    // clang-format on
    EXPECT_TRUE(s.dump["alerts"].empty());
    // The layer "Dimensions" is made on top of the others.
    EXPECT_EQ(s.dump["layers"].back()["title"], "Dimensions");
    const auto& art = OnlyGroup(s.dump)["art"];
    ASSERT_EQ(art.size(), 7u);
    EXPECT_EQ(art[kLabel]["justification"], "center");
    EXPECT_EQ(art[kLabel]["baselineShift"], -4.0);  // -"Corps" / 3: the anchor is the middle
    // The line is interrupted symmetrically around the label, the gap holding "100 pt".
    const double endA = AnchorOf(&art[kLineA], 1)[0].get<double>(),
                 endB = AnchorOf(&art[kLineB], 1)[0].get<double>();
    EXPECT_NEAR(endA + endB, 300, 1e-3);
    EXPECT_LT(endA, 150 - 15);
    EXPECT_EQ(art[kArrow1]["closed"], true);
    EXPECT_EQ(art[kArrow1]["style"]["stroke"], nullptr);
    // Every piece is dimension art; both line pieces carry the links and the marker.
    for (const auto& piece : art) EXPECT_EQ(piece["tags"][tags::kPiece], "jj");
    EXPECT_EQ(art[kLineA]["tags"][tags::kMainLine], "jj");
    EXPECT_FALSE(art[kLineB]["tags"].contains(tags::kMainLine));
    const nlohmann::json links = {{tags::kSegmentMarker, "jj"},
                                  {tags::kFirstPointLink, "0"},
                                  {tags::kIndex1, "0"},
                                  {tags::kSecondPointLink, "0"},
                                  {tags::kIndex2, "1"}};
    for (const Piece line : {kLineA, kLineB})
        for (const auto& [tag, value] : links.items()) EXPECT_EQ(art[line]["tags"][tag], value);
    const auto& measured = s.dump["layers"][0]["art"][0];
    EXPECT_EQ(measured["tags"][tags::kFirstPointLink], "0");
    EXPECT_EQ(measured["tags"][tags::kSecondPointLink], "0");
}

TEST(SegmentDimension, SecondMeasureToleranceTextsAndAnotherArrowhead) {
    // The solid triangle at 200 %: 3 anchors, the line stopping 18 short of the tips. Two
    // lines of label: raised by a third of the size. The tolerances stand one above the
    // other just after the label, at 0.7 of its size; the second has no value stored, so
    // it shows the read's fallback.
    // clang-format off
    const Scenario s = ExpectGroupFacts({"pref Precision 1\npref UnitePrefs 1\n"
        "pref AvecToleranceUn true\npref AvecToleranceDeux true\npref DoubleMesure true\n"
        "pref SecondeUnite 6\npref PrecisionSeconde 0\npref NumeroDeFleche 3\npref Zoom 200.0\n"
        "doc new\npath name base : 100,100 172,100\nstartup\ntool segment\nclick 100 100\n"
        "click 172 100\n", "", 9, {{6, "25,4 mm\r72 pt"}, {7, "+0,25"}, {8, "+0,15"}},
        {{kLineA, 0, 118, 112}}});
    // clang-format on
    const auto& art = OnlyGroup(s.dump)["art"];
    ASSERT_EQ(art.size(), 9u);
    EXPECT_EQ(art[6]["baselineShift"], 4.0);
    EXPECT_EQ(art[kArrow1]["segments"].size(), 3u);
    for (int i : {7, 8}) {
        EXPECT_EQ(art[i]["justification"], "left");
        EXPECT_NEAR(art[i]["size"].get<double>(), 8.4, 1e-5);
        EXPECT_GT(art[i]["anchor"][0].get<double>(), 150);
    }
    EXPECT_EQ(art[7]["baselineShift"], 5.0);
    EXPECT_EQ(art[8]["baselineShift"], -5.0);
}

// clang-format off
TEST(SegmentDimension, DragKeysReshapeTheDimension) {
    const std::string start = kBase + "tool segment\nclick 100 100\ndown 200 100\n";
    const GroupFacts rows[] = {
        // Shift: the offset rounds up to whole centimetres.
        {start + "drag 150 120 shift\n", "", 7, {}, {{kLineA, 0, 110.5, 128.346457}}},
        // Control: the arrowheads outside, pointing in; the line runs to its ends.
        {start + "drag 150 130 ctrl\n", "", 7, {},
         {{kLineA, 0, 100, 130}, {kArrow1, 3, 89.5, 130}}},
        // Alt: the offset follows the direction from the second point to the pointer.
        {start + "drag 210 140 alt\n", "", 7, {},
         {{kArrow1, 0, 110, 140}, {kLabel, kTextAnchor, 160, 140, 1e-3}}},
        // Space: the label slides to the pointer, no nearer than 5 to the line's start.
        {start + "drag 120 130 space\n", "", 7, {}, {{kLineA, 1, 115.5, 130}}},
        // Escape after a drag: only the label moves; off the line, the line is whole.
        {start + "drag 150 130\ndrag 150 160 esc\n", "", 6, {},
         {{kLabel - 1, kTextAnchor, 150, 160}, {kLineA, 1, 189.5, 130}}},
        // Left Shift builds a horizontal dimension.
        {start + "drag 150 60 lshift\n", "", 7, {}, {{kExtension1, 1, 100, 54}}},
    };
    for (const GroupFacts& row : rows) ExpectGroupFacts(row);
    // Right Shift a vertical one: no vertical distance between the points, the label
    // turned a quarter.
    const Scenario right =
        ExpectGroupFacts({start + "drag 150 60 rshift\n", "", 7, {{kLabel, "0 pt"}}});
    EXPECT_NEAR(OnlyGroup(right.dump)["art"][kLabel]["matrix"][1].get<double>(), 1.0, 1e-6);
}

TEST(SegmentDimension, HorizontalVerticalAndBothWays) {
    // A click on a straight segment measures it at once; horizontal at the click's level,
    // then at the pointer's; the extension lines run towards the line from each end. No
    // "UnitePrefs" stored: the read's fallback, millimetres. Measured left to right
    // whatever the order of the segment's anchors.
    const Scenario horizontal = ExpectGroupFacts({"pref Precision 1\npref TypeDeCote 1\ndoc new\n"
        "path name seg : 200,150 100,100\nstartup\ntool segment\ndown 150 125\ndrag 150 200\n"
        "up 150 200\n", "Segment horiz", 7, {{kLabel, "35,3 mm"}},
        {{kLabel, kTextAnchor, 150, 200}, {kLineA, 0, 110.5, 200}, {kExtension1, 0, 100, 100},
         {kExtension1, 1, 100, 206}}});
    const auto& lineTags = OnlyGroup(horizontal.dump)["art"][kLineA]["tags"];
    EXPECT_EQ(lineTags[tags::kSegmentLink], "0");
    EXPECT_EQ(lineTags[tags::kIndex1], "0");
    EXPECT_EQ(lineTags[tags::kIndex2], "1");

    const Scenario vertical = ExpectGroupFacts({kPrefs + "pref TypeDeCote 2\ndoc new\n"
        "path name seg : 100,100 130,200\nstartup\ntool segment\nclick 115 150\n",
        "Segment verti", 7, {{kLabel, "100 pt"}},
        {{kLabel, kTextAnchor, 115, 150}, {kExtension2, 0, 130, 200}, {kExtension2, 1, 109, 200}}});
    EXPECT_NEAR(OnlyGroup(vertical.dump)["art"][kLabel]["matrix"][1].get<double>(), 1.0, 1e-6);

    // Both ways: over the bounds of the clicked path, the vertical part in a second set
    // of pieces, no markers.
    const Scenario both = ExpectGroupFacts({kPrefs + "pref TypeDeCote 3\ndoc new\n" + kBox +
        "startup\ntool segment\ndown 150 100\ndrag 260 180\nup 260 180\n",
        "Segment horiz & verti", 14, {{6, "100 pt"}, {13, "60 pt"}},
        {{6, kTextAnchor, 150, 180}, {13, kTextAnchor, 260, 130}}});
    for (const auto& piece : OnlyGroup(both.dump)["art"])
        EXPECT_FALSE(piece["tags"].contains(tags::kSegmentMarker));
}

TEST(SegmentDimension, EscapeMovesOnlyTheLabelOfHorizontalVerticalAndBothWays) {
    const GroupFacts rows[] = {
        // Horizontal: the line stays at 150, where the last drag without Escape put it; the
        // label off the line leaves it whole (no line B). Arrowhead 1 is the second piece.
        {kPrefs + "pref TypeDeCote 1\ndoc new\npath name seg : 100,100 200,120\nstartup\n"
         "tool segment\ndown 150 110\ndrag 150 150\ndrag 170 250 esc\nup 170 250 esc\n", "", 6, {},
         {{kArrow1, 0, 100, 150}, {5, kTextAnchor, 170, 250}}},
        // Vertical, pressed and dragged at once with Escape: the line at the press.
        {kPrefs + "pref TypeDeCote 2\ndoc new\npath name seg : 100,100 130,200\nstartup\n"
         "tool segment\ndown 115 150\ndrag 300 170 esc\nup 300 170 esc\n", "", 6, {},
         {{kArrow1, 0, 115, 100}, {5, kTextAnchor, 300, 170}}},
        // Both ways: both lines stay, the horizontal one whole (no line B); the label of
        // the line nearer the pointer moves, the other stays on its line.
        {kPrefs + "pref TypeDeCote 3\ndoc new\n" + kBox + "startup\ntool segment\ndown 150 100\n"
         "drag 260 180\ndrag 240 190 esc\nup 240 190 esc\n", "", 13, {},
         {{5, kTextAnchor, 240, 190}, {12, kTextAnchor, 260, 130}, {kArrow1, 0, 100, 180}}},
    };
    for (const GroupFacts& row : rows) ExpectGroupFacts(row);
}
// clang-format on

TEST(SegmentDimension, RefusalsLeaveTheDrawingAsItWas) {
    auto s = RunToEnd(kPrefs +
                      "doc new\npath name base : 100,100 200,100\n"
                      "bezier closed name blob : M 500 500 C 550 600 650 400 700 500 Z\n"
                      "startup\ntool segment\n"
                      "click 100 100\nclick 50 50\n"  // a second point is needed
                      "click 100 100\n"               // the same point twice
                      "click 545.31 528.13\n"         // a curve of a closed path
                      "layer Dimensions locked\nlayer \"Calque 1\"\nclick 200 100\n");
    EXPECT_EQ(s.dump["alerts"],
              nlohmann::json::array(
                  {"Vous devez cliquer sur un second point\r\r(point d'ancrage ou point "
                   "d'intersection)\r\rou tenir la touche Contrôle enfoncée.",
                   "Il faut cliquer sur deux points distincts. Cotation impossible !",
                   "Le tracé doit être ouvert.", "Cotation impossible. Calque verrouillé."}));
    EXPECT_TRUE(LayerArt(s.dump, "Dimensions")->empty());

    auto bothWays = RunScenario(kPrefs +
                                "pref TypeDeCote 3\ndoc new\nstartup\n"
                                "tool segment\nclick 50 50\n");
    EXPECT_EQ(bothWays.dump["alerts"][0],
              "Il faut cliquer sur un objet\r\rpour que le clic ait un effet.");
    EXPECT_EQ(LayerArt(bothWays.dump, "Dimensions"), nullptr);
}

TEST(SegmentDimension, AMeasurementAbandonedAfterItsFirstPointLeavesNothing) {
    // A first point, then a straight segment measured at once; a first point, then another
    // tool: neither first point leaves pieces behind.
    // clang-format off
    ExpectGroupFacts({kPrefs + "doc new\npath name base : 100,100 200,100\n"
        "path name other : 100,300 200,300\nstartup\ntool segment\nclick 100 100\n"
        "click 150 300\nclick 200 100\ntool angle\n", "", 7, {{kLabel, "100 pt"}},
        {{kLabel, kTextAnchor, 150, 312}}});
    // The tool chosen again while it waits for the second point is reselected, not selected
    // anew: the first point still waits, and the second click ends that one measurement.
    ExpectGroupFacts({kBase + "tool segment\nclick 100 100\ntool segment\nclick 200 100\n"
        "tool angle\n", "", 7, {{kLabel, "100 pt"}}});
    // clang-format on
}

TEST(SegmentDimension, ArcLengthAndCurveFollowingDimensions) {
    // A quarter of the host's usual circle of radius 100 about (100, 100).
    // 100 × π/2, the label on the dimension arc, towards the middle of the measured arc.
    // clang-format off
    ExpectGroupFacts({kPrefs + "doc new\nbezier name quart : M 200 100 C 200 155.22847 "
        "155.22847 200 100 200\nstartup\ntool segment\ndown 170.71 170.71\ndrag 185 185\n"
        "up 185 185\n", "Segment arc", 6, {{5, "157,1 pt"}},
        {{5, kTextAnchor, 185, 185, 1e-3}, {4, 1, 226.208, 100, 1e-2}}});
    const std::string curve = kPrefs +
        "doc new\nbezier name curve : M 100 500 C 150 600 250 400 300 500\n"
        "startup\ntool segment\ndown 200 500\n";
    // The arrowheads' tips at 10 from the curve's ends, on the pointer's side.
    ExpectGroupFacts({curve + "drag 200 510\nup 200 510\n", "Segment courbe", 6,
        {{5, "239,7 pt"}}, {{1, 0, 291.0557, 504.4721, 1e-2}, {2, 0, 91.0557, 504.4721, 1e-2}}});
    ExpectGroupFacts({curve + "drag 200 490\nup 200 490\n", "", 0, {},
        {{2, 0, 308.9443, 495.5279, 1e-2}}});
    // clang-format on
    // The bends of this curve have a radius near 32: an offset of 40 cannot follow them.
    auto tooFar = RunScenario(curve + "drag 200 540\nup 200 540\n");
    EXPECT_EQ(tooFar.dump["alerts"][0],
              "Décalage trop grand, recommencez avec un décalage plus petit.");
    EXPECT_TRUE(LayerArt(tooFar.dump, "Dimensions")->empty());
    for (const auto& art : tooFar.dump["layers"][0]["art"])
        EXPECT_FALSE(art["tags"].contains("xxx"));
}

TEST(SegmentDimension, LinksAreSharedAndFollowedByARebuild) {
    auto s = RunToEnd(kPrefs +
                      "doc new\npath name base : 100,100 200,100 200,200\n"
                      "path name other : 300,100 400,100\nstartup\ntool segment\n"
                      "click 100 100\nclick 200 100\n"  // segpt1 and segpt2 on base
                      "click 200 100\nclick 200 200\n"  // the same identifiers again
                      "click 300 100\nclick 400 100\n"  // a second path: identifier 1
                      "click 120 112\nup 120 112\n");   // rebuilds the first one
    const auto& drawing = s.dump["layers"][0]["art"];
    EXPECT_EQ(drawing[0]["tags"][tags::kFirstPointLink], "0");
    EXPECT_EQ(drawing[1]["tags"][tags::kFirstPointLink], "1");
    const auto& groups = *LayerArt(s.dump, "Dimensions");
    ASSERT_EQ(groups.size(), 3u);
    // The first dimension was disposed and built again on top, from the same links.
    const auto& second = groups[0]["art"];
    EXPECT_EQ(second[2]["tags"][tags::kFirstPointLink], "0");
    EXPECT_EQ(second[2]["tags"][tags::kIndex1], "1");
    EXPECT_EQ(second[2]["tags"][tags::kIndex2], "2");
    EXPECT_EQ(groups[1]["art"][2]["tags"][tags::kFirstPointLink], "1");
    const auto& rebuilt = groups[2]["art"];
    ASSERT_EQ(rebuilt.size(), 7u);
    EXPECT_EQ(rebuilt[kLineA]["tags"][tags::kSecondPointLink], "0");
    ExpectPiecePoints(rebuilt, {{kLineA, 0, 110.5, 112}});
}

TEST(SegmentDimension, StaleHandlesAndMemorySnapping) {
    // A new document between the two clicks leaves every handle of the first stale.
    auto stale = RunToEnd(kBase +
                          "tool segment\nclick 100 100\ndoc new\n"
                          "path name again : 100,100 200,100\nclick 200 100\n"
                          "drag 150 130\nup 150 130\n");
    EXPECT_EQ(stale.dump["layers"].size(), 1u);

    // A drag near the end of the segment measured last snaps to it.
    auto snap = RunScenario(kPrefs +
                            "doc new\npath name base : 100,100 200,100\n"
                            "path name next : 100,300 150,300\nstartup\ntool segment\n"
                            "click 100 100\nclick 200 100\n"
                            "click 100 300\ndown 150 300\n"
                            "drag 203 103 alt\n");
    EXPECT_EQ(snap.dump["cursor"], cursors::kAnchor);
    const auto& art = LayerArt(snap.dump, "Dimensions")->back()["art"];
    // The offset runs from the second point to the snapped end (200, 100).
    EXPECT_POINT_NEAR(art[1]["segments"][0]["p"], 150, 100, 1e-3);
}

}  // namespace
}  // namespace quill::testing
