// The Segment tool driven as a person would: clicks, drags and keys in session scripts,
// checked against the pieces, positions, labels and tags the dump shows.
#include <gtest/gtest.h>

#include <string>

#include "support/scenario.h"

namespace quill::testing {
namespace {

// Points, precision 1, and the defaults otherwise: "Attaches" 12, "Zoom" 150, shape 0
// (inset 7, so lines stop 10.5 short of the tips), "Gap" 0, labels in DejaVu Sans 12.
const std::string kPrefs = "pref Precision 1\npref UnitePrefs 6\n";

// The pieces of a segment dimension's group, from the top: label, extension lines 1 and
// 2, lines B and A, arrowheads 1 and 2.
struct Pieces {
    const nlohmann::json *label, *extension1, *extension2, *lineB, *lineA, *arrow1, *arrow2;
};

Pieces SegmentPieces(const nlohmann::json& group) {
    const auto& art = group["art"];
    EXPECT_EQ(art.size(), 7u) << art;
    return {&art[6], &art[5], &art[4], &art[3], &art[2], &art[1], &art[0]};
}

TEST(SegmentDimension, ObliqueBetweenTwoAnchorsIsBuiltPieceByPiece) {
    auto s = RunScenario(kPrefs +
                         "doc new\npath name base : 100,100 200,100\nstartup\ntool segment\n"
                         "click 100 100\nclick 200 100\n");
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    EXPECT_TRUE(s.dump["alerts"].empty());
    // The layer "Dimensions" is made on top of the others.
    EXPECT_EQ(s.dump["layers"].back()["title"], "Dimensions");
    const auto& group = OnlyGroup(s.dump);
    EXPECT_EQ(group["name"], "Segment oblique");
    const Pieces p = SegmentPieces(group);
    EXPECT_EQ((*p.label)["contents"], "100 pt");
    EXPECT_POINT_NEAR((*p.label)["anchor"], 150, 112, 1e-4);
    EXPECT_EQ((*p.label)["justification"], "center");
    EXPECT_EQ((*p.label)["baselineShift"], -4.0);  // -"Corps" / 3: the anchor is the middle
    // Extension lines from the points to 0.04 x 150 beyond the line at 12.
    EXPECT_POINT_NEAR(AnchorOf(p.extension1, 0), 100, 100, 1e-4);
    EXPECT_POINT_NEAR(AnchorOf(p.extension1, 1), 100, 118, 1e-4);
    EXPECT_POINT_NEAR(AnchorOf(p.extension2, 1), 200, 118, 1e-4);
    // The line stops 10.5 short of each tip and is interrupted symmetrically around the
    // label.
    EXPECT_POINT_NEAR(AnchorOf(p.lineA, 0), 110.5, 112, 1e-4);
    EXPECT_POINT_NEAR(AnchorOf(p.lineB, 0), 189.5, 112, 1e-4);
    EXPECT_NEAR(AnchorOf(p.lineA, 1)[0].get<double>() + AnchorOf(p.lineB, 1)[0].get<double>(), 300,
                1e-3);
    EXPECT_LT(AnchorOf(p.lineA, 1)[0].get<double>(), 150 - 15);  // the gap holds "100 pt"
    // Arrowheads: the barbed shape scaled by 1.5, tips on the line's ends.
    EXPECT_POINT_NEAR(AnchorOf(p.arrow1, 0), 100, 112, 1e-4);
    EXPECT_POINT_NEAR(AnchorOf(p.arrow1, 3), 110.5, 112, 1e-4);
    EXPECT_POINT_NEAR(AnchorOf(p.arrow2, 0), 200, 112, 1e-4);
    EXPECT_EQ((*p.arrow1)["closed"], true);
    EXPECT_EQ((*p.arrow1)["style"]["stroke"], nullptr);
    // Every piece is dimension art; both line pieces carry the links and the marker.
    for (const auto& piece : group["art"]) EXPECT_EQ(piece["tags"][tags::kPiece], "jj");
    EXPECT_EQ((*p.lineA)["tags"][tags::kMainLine], "jj");
    EXPECT_FALSE((*p.lineB)["tags"].contains(tags::kMainLine));
    for (const auto* line : {p.lineA, p.lineB}) {
        EXPECT_EQ((*line)["tags"][tags::kSegmentMarker], "jj");
        EXPECT_EQ((*line)["tags"][tags::kFirstPointLink], "0");
        EXPECT_EQ((*line)["tags"][tags::kIndex1], "0");
        EXPECT_EQ((*line)["tags"][tags::kSecondPointLink], "0");
        EXPECT_EQ((*line)["tags"][tags::kIndex2], "1");
    }
    const auto& measured = s.dump["layers"][0]["art"][0];
    EXPECT_EQ(measured["tags"][tags::kFirstPointLink], "0");
    EXPECT_EQ(measured["tags"][tags::kSecondPointLink], "0");
}

TEST(SegmentDimension, SecondMeasureToleranceTextsAndAnotherArrowhead) {
    auto s = RunScenario(
        "pref Precision 1\npref UnitePrefs 1\npref AvecToleranceUn true\n"
        "pref AvecToleranceDeux true\npref DoubleMesure true\npref SecondeUnite 6\n"
        "pref PrecisionSeconde 0\npref NumeroDeFleche 3\npref Zoom 200.0\ndoc new\n"
        "path name base : 100,100 172,100\nstartup\ntool segment\n"
        "click 100 100\nclick 172 100\n");
    const auto& art = OnlyGroup(s.dump)["art"];
    ASSERT_EQ(art.size(), 9u);
    EXPECT_EQ(art[6]["contents"], "25,4 mm\r72 pt");
    EXPECT_EQ(art[6]["baselineShift"], 4.0);  // two lines: raised by a third of the size
    // The solid triangle at 200 %: 3 anchors, the line stopping 18 short of the tips.
    EXPECT_EQ(art[1]["segments"].size(), 3u);
    EXPECT_POINT_NEAR(art[2]["segments"][0]["p"], 118, 112, 1e-4);
    // The tolerances stand one above the other just after the label, at 0.7 of its size.
    EXPECT_EQ(art[7]["contents"], "+0,25");
    EXPECT_EQ(art[8]["contents"], "+0,15");  // no value stored: the read's fallback
    for (int i : {7, 8}) {
        EXPECT_EQ(art[i]["justification"], "left");
        EXPECT_NEAR(art[i]["size"].get<double>(), 8.4, 1e-5);
        EXPECT_GT(art[i]["anchor"][0].get<double>(), 150);
    }
    EXPECT_EQ(art[7]["baselineShift"], 5.0);
    EXPECT_EQ(art[8]["baselineShift"], -5.0);
}

TEST(SegmentDimension, DragKeysReshapeTheDimension) {
    const std::string start = kPrefs +
                              "doc new\npath name base : 100,100 200,100\nstartup\n"
                              "tool segment\nclick 100 100\ndown 200 100\n";
    // Shift: the offset rounds up to whole centimetres.
    auto shift = RunScenario(start + "drag 150 120 shift\n");
    Pieces p = SegmentPieces(OnlyGroup(shift.dump));
    EXPECT_POINT_NEAR(AnchorOf(p.lineA, 0), 110.5, 128.346457, 1e-4);
    // Control: the arrowheads outside, pointing in; the line runs to its ends.
    auto control = RunScenario(start + "drag 150 130 ctrl\n");
    p = SegmentPieces(OnlyGroup(control.dump));
    EXPECT_POINT_NEAR(AnchorOf(p.lineA, 0), 100, 130, 1e-4);
    EXPECT_POINT_NEAR(AnchorOf(p.arrow1, 3), 89.5, 130, 1e-4);
    // Alt: the offset follows the direction from the second point to the pointer.
    auto alt = RunScenario(start + "drag 210 140 alt\n");
    p = SegmentPieces(OnlyGroup(alt.dump));
    EXPECT_POINT_NEAR(AnchorOf(p.arrow1, 0), 110, 140, 1e-4);
    EXPECT_POINT_NEAR((*p.label)["anchor"], 160, 140, 1e-3);
    // Space: the label slides to the pointer, no nearer than 5 to the line's start.
    auto space = RunScenario(start + "drag 120 130 space\n");
    p = SegmentPieces(OnlyGroup(space.dump));
    EXPECT_POINT_NEAR(AnchorOf(p.lineA, 1), 115.5, 130, 1e-4);
    // Escape after a drag: only the label moves; off the line, the line is whole.
    auto escape = RunScenario(start + "drag 150 130\ndrag 150 160 esc\n");
    const auto& art = OnlyGroup(escape.dump)["art"];
    ASSERT_EQ(art.size(), 6u);  // no line B
    EXPECT_POINT_NEAR(art[5]["anchor"], 150, 160, 1e-4);
    EXPECT_POINT_NEAR(art[2]["segments"][1]["p"], 189.5, 130, 1e-4);
    // Left Shift builds a horizontal dimension, right Shift a vertical one.
    auto left = RunScenario(start + "drag 150 60 lshift\n");
    p = SegmentPieces(OnlyGroup(left.dump));
    EXPECT_POINT_NEAR(AnchorOf(p.extension1, 1), 100, 54, 1e-4);
    auto right = RunScenario(start + "drag 150 60 rshift\n");
    p = SegmentPieces(OnlyGroup(right.dump));
    EXPECT_EQ((*p.label)["contents"], "0 pt");  // no vertical distance between them
    EXPECT_NEAR((*p.label)["matrix"][1].get<double>(), 1.0, 1e-6);  // turned a quarter
}

TEST(SegmentDimension, HorizontalVerticalAndBothWays) {
    // A click on a straight segment measures it at once; horizontal at the click's level,
    // then at the pointer's; the extension lines run towards the line from each end.
    auto horizontal = RunScenario(
        "pref Precision 1\npref TypeDeCote 1\ndoc new\n"
        "path name seg : 200,150 100,100\nstartup\ntool segment\n"
        "down 150 125\ndrag 150 200\nup 150 200\n");
    const auto& hGroup = OnlyGroup(horizontal.dump);
    EXPECT_EQ(hGroup["name"], "Segment horiz");
    Pieces p = SegmentPieces(hGroup);
    // No "UnitePrefs" stored: the read's fallback, millimetres.
    EXPECT_EQ((*p.label)["contents"], "35,3 mm");
    EXPECT_POINT_NEAR((*p.label)["anchor"], 150, 200, 1e-4);
    // Measured left to right whatever the order of the segment's anchors.
    EXPECT_POINT_NEAR(AnchorOf(p.lineA, 0), 110.5, 200, 1e-4);
    EXPECT_POINT_NEAR(AnchorOf(p.extension1, 0), 100, 100, 1e-4);
    EXPECT_POINT_NEAR(AnchorOf(p.extension1, 1), 100, 206, 1e-4);
    EXPECT_EQ((*p.lineA)["tags"][tags::kSegmentLink], "0");
    EXPECT_EQ((*p.lineA)["tags"][tags::kIndex1], "0");
    EXPECT_EQ((*p.lineA)["tags"][tags::kIndex2], "1");

    auto vertical = RunScenario(kPrefs +
                                "pref TypeDeCote 2\ndoc new\n"
                                "path name seg : 100,100 130,200\nstartup\ntool segment\n"
                                "click 115 150\n");
    const auto& vGroup = OnlyGroup(vertical.dump);
    EXPECT_EQ(vGroup["name"], "Segment verti");
    p = SegmentPieces(vGroup);
    EXPECT_EQ((*p.label)["contents"], "100 pt");
    EXPECT_POINT_NEAR((*p.label)["anchor"], 115, 150, 1e-4);
    EXPECT_NEAR((*p.label)["matrix"][1].get<double>(), 1.0, 1e-6);
    EXPECT_POINT_NEAR(AnchorOf(p.extension2, 0), 130, 200, 1e-4);
    EXPECT_POINT_NEAR(AnchorOf(p.extension2, 1), 109, 200, 1e-4);

    // Both ways: over the bounds of the clicked path, the vertical part in a second set
    // of pieces, no markers.
    auto both = RunScenario(kPrefs +
                            "pref TypeDeCote 3\ndoc new\n"
                            "path closed name box : 100,100 200,100 200,160 100,160\n"
                            "startup\ntool segment\ndown 150 100\n"
                            "drag 260 180\nup 260 180\n");
    const auto& bGroup = OnlyGroup(both.dump);
    EXPECT_EQ(bGroup["name"], "Segment horiz & verti");
    const auto& art = bGroup["art"];
    ASSERT_EQ(art.size(), 14u);
    EXPECT_EQ(art[6]["contents"], "100 pt");
    EXPECT_POINT_NEAR(art[6]["anchor"], 150, 180, 1e-4);
    EXPECT_EQ(art[13]["contents"], "60 pt");
    EXPECT_POINT_NEAR(art[13]["anchor"], 260, 130, 1e-4);
    for (const auto& piece : art) EXPECT_FALSE(piece["tags"].contains(tags::kSegmentMarker));
}

TEST(SegmentDimension, EscapeMovesOnlyTheLabelOfHorizontalVerticalAndBothWays) {
    // Horizontal: the line stays at 150, where the last drag without Escape put it; the
    // label off the line leaves it whole (no line B). Arrowhead 1 is the second piece.
    auto horizontal = RunScenario(kPrefs +
                                  "pref TypeDeCote 1\ndoc new\npath name seg : 100,100 200,120\n"
                                  "startup\ntool segment\ndown 150 110\ndrag 150 150\n"
                                  "drag 170 250 esc\nup 170 250 esc\n");
    const auto& hArt = OnlyGroup(horizontal.dump)["art"];
    ASSERT_EQ(hArt.size(), 6u);
    EXPECT_POINT_NEAR(AnchorOf(&hArt[1], 0), 100, 150, 1e-4);
    EXPECT_POINT_NEAR(hArt.back()["anchor"], 170, 250, 1e-4);
    // Vertical, pressed and dragged at once with Escape: the line at the press.
    auto vertical = RunScenario(kPrefs +
                                "pref TypeDeCote 2\ndoc new\npath name seg : 100,100 130,200\n"
                                "startup\ntool segment\ndown 115 150\ndrag 300 170 esc\n"
                                "up 300 170 esc\n");
    const auto& vArt = OnlyGroup(vertical.dump)["art"];
    ASSERT_EQ(vArt.size(), 6u);
    EXPECT_POINT_NEAR(AnchorOf(&vArt[1], 0), 115, 100, 1e-4);
    EXPECT_POINT_NEAR(vArt.back()["anchor"], 300, 170, 1e-4);
    // Both ways: both lines stay; the label of the line nearer the pointer moves, the
    // other stays on its line.
    auto both = RunScenario(kPrefs +
                            "pref TypeDeCote 3\ndoc new\n"
                            "path closed name box : 100,100 200,100 200,160 100,160\n"
                            "startup\ntool segment\ndown 150 100\ndrag 260 180\n"
                            "drag 240 190 esc\nup 240 190 esc\n");
    const auto& art = OnlyGroup(both.dump)["art"];
    ASSERT_EQ(art.size(), 13u);                            // the horizontal line whole: no line B
    EXPECT_POINT_NEAR(art[5]["anchor"], 240, 190, 1e-4);   // the horizontal's label
    EXPECT_POINT_NEAR(art[12]["anchor"], 260, 130, 1e-4);  // the vertical's, on its line
    EXPECT_POINT_NEAR(art[1]["segments"][0]["p"], 100, 180, 1e-4);
}

TEST(SegmentDimension, RefusalsLeaveTheDrawingAsItWas) {
    auto s = RunScenario(kPrefs +
                         "doc new\npath name base : 100,100 200,100\n"
                         "bezier closed name blob : M 500 500 C 550 600 650 400 700 500 Z\n"
                         "startup\ntool segment\n"
                         "click 100 100\nclick 50 50\n"  // a second point is needed
                         "click 100 100\n"               // the same point twice
                         "click 545.31 528.13\n"         // a curve of a closed path
                         "layer Dimensions locked\nlayer \"Calque 1\"\nclick 200 100\n");
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    const auto& alerts = s.dump["alerts"];
    ASSERT_EQ(alerts.size(), 4u);
    EXPECT_EQ(alerts[0],
              "Vous devez cliquer sur un second point\r\r(point d'ancrage ou point "
              "d'intersection)\r\rou tenir la touche Contrôle enfoncée.");
    EXPECT_EQ(alerts[1], "Il faut cliquer sur deux points distincts. Cotation impossible !");
    EXPECT_EQ(alerts[2], "Le tracé doit être ouvert.");
    EXPECT_EQ(alerts[3], "Cotation impossible. Calque verrouillé.");
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
    auto s = RunScenario(kPrefs +
                         "doc new\npath name base : 100,100 200,100\n"
                         "path name other : 100,300 200,300\nstartup\ntool segment\n"
                         "click 100 100\nclick 150 300\nclick 200 100\ntool angle\n");
    const auto& groups = *LayerArt(s.dump, "Dimensions");
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0]["art"].back()["contents"], "100 pt");
    EXPECT_POINT_NEAR(groups[0]["art"].back()["anchor"], 150, 312, 1e-4);
    // The tool chosen again while it waits for the second point is reselected, not selected
    // anew: the first point still waits, and the second click ends that one measurement.
    auto again = RunScenario(kPrefs +
                             "doc new\npath name base : 100,100 200,100\nstartup\n"
                             "tool segment\nclick 100 100\ntool segment\nclick 200 100\n"
                             "tool angle\n");
    EXPECT_EQ(OnlyGroup(again.dump)["art"].back()["contents"], "100 pt");
}

TEST(SegmentDimension, ArcLengthAndCurveFollowingDimensions) {
    // A quarter of the host's usual circle of radius 100 about (100, 100).
    auto arc = RunScenario(kPrefs +
                           "doc new\nbezier name quart : M 200 100 C 200 155.22847 "
                           "155.22847 200 100 200\nstartup\ntool segment\n"
                           "down 170.71 170.71\ndrag 185 185\nup 185 185\n");
    const auto& arcGroup = OnlyGroup(arc.dump);
    EXPECT_EQ(arcGroup["name"], "Segment arc");
    const auto& arcArt = arcGroup["art"];
    ASSERT_EQ(arcArt.size(), 6u);
    EXPECT_EQ(arcArt[5]["contents"], "157,1 pt");  // 100 × π/2
    // On the dimension arc, towards the middle of the measured arc.
    EXPECT_POINT_NEAR(arcArt[5]["anchor"], 185, 185, 1e-3);
    EXPECT_POINT_NEAR(arcArt[4]["segments"][1]["p"], 226.208, 100, 1e-2);

    const std::string curve = kPrefs +
                              "doc new\nbezier name curve : M 100 500 C 150 600 250 400 300 500\n"
                              "startup\ntool segment\ndown 200 500\n";
    auto above = RunScenario(curve + "drag 200 510\nup 200 510\n");
    const auto& aboveArt = OnlyGroup(above.dump)["art"];
    EXPECT_EQ(OnlyGroup(above.dump)["name"], "Segment courbe");
    ASSERT_EQ(aboveArt.size(), 6u);
    EXPECT_EQ(aboveArt[5]["contents"], "239,7 pt");
    // The arrowheads' tips at 10 from the curve's ends, on the pointer's side.
    EXPECT_POINT_NEAR(aboveArt[1]["segments"][0]["p"], 291.0557, 504.4721, 1e-2);
    EXPECT_POINT_NEAR(aboveArt[2]["segments"][0]["p"], 91.0557, 504.4721, 1e-2);
    auto below = RunScenario(curve + "drag 200 490\nup 200 490\n");
    const auto& belowArt = OnlyGroup(below.dump)["art"];
    EXPECT_POINT_NEAR(belowArt[2]["segments"][0]["p"], 308.9443, 495.5279, 1e-2);
    // The bends of this curve have a radius near 32: an offset of 40 cannot follow them.
    auto tooFar = RunScenario(curve + "drag 200 540\nup 200 540\n");
    EXPECT_EQ(tooFar.dump["alerts"][0],
              "Décalage trop grand, recommencez avec un décalage plus petit.");
    EXPECT_TRUE(LayerArt(tooFar.dump, "Dimensions")->empty());
    for (const auto& art : tooFar.dump["layers"][0]["art"])
        EXPECT_FALSE(art["tags"].contains("xxx"));
}

TEST(SegmentDimension, LinksAreSharedAndFollowedByARebuild) {
    auto s = RunScenario(kPrefs +
                         "doc new\npath name base : 100,100 200,100 200,200\n"
                         "path name other : 300,100 400,100\nstartup\ntool segment\n"
                         "click 100 100\nclick 200 100\n"  // segpt1 and segpt2 on base
                         "click 200 100\nclick 200 200\n"  // the same identifiers again
                         "click 300 100\nclick 400 100\n"  // a second path: identifier 1
                         "click 120 112\nup 120 112\n");   // rebuilds the first one
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
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
    const Pieces rebuilt = SegmentPieces(groups[2]);
    EXPECT_EQ((*rebuilt.lineA)["tags"][tags::kSecondPointLink], "0");
    EXPECT_POINT_NEAR(AnchorOf(rebuilt.lineA, 0), 110.5, 112, 1e-4);
}

TEST(SegmentDimension, StaleHandlesAndMemorySnapping) {
    // A new document between the two clicks leaves every handle of the first stale.
    auto stale = RunScenario(kPrefs +
                             "doc new\npath name base : 100,100 200,100\nstartup\n"
                             "tool segment\nclick 100 100\ndoc new\n"
                             "path name again : 100,100 200,100\nclick 200 100\n"
                             "drag 150 130\nup 150 130\n");
    ASSERT_EQ(stale.outcome.exitCode, 0) << stale.outcome.message;
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
