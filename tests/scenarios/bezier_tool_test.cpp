// The Bézier tool driven as a person would: divisions, a point at a length along a curve,
// centre marks, the drag and its keys, and the clicks it refuses. Hand-worked numbers: a
// mark of "LongueurDuPoint" 20 mm reaches h = 20 × 2.8346457 / 2 = 28.346458 either side
// of its point; while dragging, the pointer's distance d stands for the millimetres, so
// h = d × 1.4173229.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/scenario.h"

namespace quill::testing {
namespace {

constexpr double kH = 28.346458;  // half a mark of 20 mm
constexpr double kPi = 3.14159265358979;
// A store holding "Precision" is read, not reset: the keys absent take their fallbacks.
const std::string kStart =
    "pref Precision 1\npref LongueurDuPoint 20.0\npref LongueurSurCourbe 30.0\ndoc new\n";
const std::string kTool = "startup\ntool bezier\n";
// An L of two curves drawn straight (their handles a third of the way along, so that
// length runs evenly with t): (0,100) → (150,100) → (150,250), 300 long; the same L of
// straight segments; a closed square of such curves, 360 round, from (0,0) by (90,0).
const std::string kEll =
    "bezier name ell : M 0 100 C 50 100 100 100 150 100 C 150 150 150 200 150 250\n";
const std::string kPolyline = "path name polyline : 0,100 150,100 150,250\n";
const std::string kSquare =
    "bezier name square : M 0 0 C 30 0 60 0 90 0 C 90 30 90 60 90 90 C 60 90 30 90 0 90 "
    "C 0 60 0 30 0 0 Z\n";
// A straight segment from A (0,50) to B (120,50); a corner of 60 degrees at (100,100)
// whose first side runs along +x.
const std::string kSegment = "path name segment : 0,50 120,50\n";
const std::string kCorner = "path name corner : 200,100 100,100 150,186.60254\n";

struct Station {
    double x, y, theta;  // a point and the path's direction there
};

// Along the L: s ≤ 150 on its foot, then up. Along the square: side by side.
Station OnEll(double s) {
    return s <= 150 ? Station{s, 100, 0} : Station{150, s - 50, kPi / 2};
}
Station OnSquare(double s) {
    if (s <= 90) return {s, 0, 0};
    if (s <= 180) return {90, s - 90, kPi / 2};
    if (s <= 270) return {270 - s, 90, kPi};
    return {0, 360 - s, -kPi / 2};
}

void ExpectLine(const nlohmann::json& mark, double x0, double y0, double x1, double y1) {
    EXPECT_POINT_NEAR(AnchorOf(&mark, 0), x0, y0, 0.01);
    EXPECT_POINT_NEAR(AnchorOf(&mark, 1), x1, y1, 0.01);
}

// A centred mark across the path: from h on its left to h on its right.
void ExpectAcross(const nlohmann::json& mark, Station at, double h) {
    const double lx = -std::sin(at.theta) * h, ly = std::cos(at.theta) * h;
    ExpectLine(mark, at.x + lx, at.y + ly, at.x - lx, at.y - ly);
}

// The marks of the one group, bottom to top as they were made (made up to `count` with
// marks at the origin, so that a missing one fails its test).
nlohmann::json MarksOf(const Scenario& s, std::size_t count) {
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    const auto& group = OnlyGroup(s.dump);
    EXPECT_EQ(group.value("name", ""), "Bézier partage");
    nlohmann::json marks = group.value("art", nlohmann::json::array());
    EXPECT_EQ(marks.size(), count);
    while (marks.size() < count)
        marks.push_back({{"segments", {{{"p", {0, 0}}}, {{"p", {0, 0}}}}}});
    return marks;
}

TEST(BezierTool, DividesPathsSegmentsAndAnglesIntoEqualParts) {
    // N = 3: the L's marks at its ends (0,100) and (150,250), then at 100 (100,100) and
    // at 200 (150,150); the square's at (0,0), then at 120 (90,30) and at 240 (30,90);
    // with N = 7 its last at 308.57 lies on the closing segment, at (0,51.43). The
    // segment's at A, B, then x = 40 and 80; the angle's rays along its sides (0° and
    // 60°), then at 20° and 40°.
    for (int n : {2, 3, 7}) {
        SCOPED_TRACE(n);
        const std::string start = kStart + "pref NbDiv " + std::to_string(n) + "\n";
        const auto e = MarksOf(RunScenario(start + kEll + kTool + "click 50 100\n"), n + 1);
        ExpectAcross(e[0], OnEll(0), kH);
        ExpectAcross(e[1], OnEll(300), kH);
        for (int k = 1; k < n; ++k) ExpectAcross(e[k + 1], OnEll(300.0 * k / n), kH);
        EXPECT_TRUE(e[0]["selected"]);
        EXPECT_FALSE(e[0]["tags"].contains(tags::kPiece));

        const auto q = MarksOf(RunScenario(start + kSquare + kTool + "click 45 0\n"), n);
        ExpectAcross(q[0], OnSquare(0), kH);
        for (int k = 1; k < n; ++k) ExpectAcross(q[k], OnSquare(360.0 * k / n), kH);

        const auto g = MarksOf(RunScenario(start + kSegment + kTool + "click 40 50\n"), n + 1);
        for (int k = 0; k <= n; ++k) {
            const double x = k == 0 ? 0 : k == 1 ? 120 : 120.0 * (k - 1) / n;
            ExpectLine(g[k], x, 50 + kH, x, 50 - kH);
        }

        const auto a = MarksOf(RunScenario(start + kCorner + kTool + "click 100 100\n"), n + 1);
        for (int k = 0; k <= n; ++k) {
            const double r = (k == 0 ? 0 : k == 1 ? 60 : 60.0 * (k - 1) / n) * kPi / 180;
            ExpectLine(a[k], 100, 100, 100 + kH * std::cos(r), 100 + kH * std::sin(r));
        }
    }
}

TEST(BezierTool, PointModeMarksThePointAtTheLengthFromEitherEnd) {
    // 30 mm is 85.03937 along the L: from its start at (85.04,100), from its end at
    // 214.96, that is (150,164.96). A straight end segment counts like its end anchor.
    const std::string point = kStart + "pref Partager false\npref Epaisseur 2.5\n";
    const std::string setup = point + kPolyline + "rect 200 0 90 90\n" + kTool;
    for (const char* click : {"click 0 100\n", "click 40 100\n"}) {
        const auto m = MarksOf(RunScenario(setup + click), 1);
        ExpectAcross(m[0], OnEll(85.03937), kH);
        EXPECT_TRUE(m[0]["selected"]);
        EXPECT_EQ(m[0]["style"]["width"], 2.5);
    }
    for (const char* click : {"click 150 250\n", "click 150 200\n"})
        ExpectAcross(MarksOf(RunScenario(setup + click), 1)[0], OnEll(214.96063), kH);
    // 105.83333 mm is exactly the L's 300: the mark stands on the far anchor.
    const std::string ell = kEll + kTool + "click 0 100\n";
    auto whole = RunScenario(point + "pref LongueurSurCourbe 105.83333\n" + ell);
    ExpectAcross(MarksOf(whole, 1)[0], OnEll(300), kH);
    // A single curve clicked anywhere measures from its last anchor; at 0 mm the mark
    // stands there, across the curve's last tangent (1,2)/√5.
    auto curve = RunScenario(point + "pref LongueurSurCourbe 0.0\n" +
                             "bezier : M 0 0 C 50 100 100 -100 150 0\n" + kTool + "click 75 0\n");
    ExpectAcross(MarksOf(curve, 1)[0], {150, 0, std::atan2(2.0, 1.0)}, kH);

    // Beyond the end, on a closed path, at an inner anchor: nothing is drawn.
    auto beyond = RunScenario(point + "pref LongueurSurCourbe 106.0\n" + ell);
    EXPECT_EQ(beyond.dump["alerts"][0],
              "Impossible de placer le point demandé.\r\rLe paramètre longueur sur courbe est "
              "supérieur à la longueur totale de la courbe !");
    auto closed = RunScenario(setup + "click 245 0\n");
    EXPECT_EQ(closed.dump["alerts"][0], "Le tracé doit être ouvert.");
    auto inner = RunScenario(setup + "click 150 100\n");
    EXPECT_TRUE(inner.dump["alerts"].empty());
    for (const Scenario* s : {&beyond, &closed, &inner})
        EXPECT_TRUE(LayerArt(s->dump, "Dimensions")->empty());
}

TEST(BezierTool, PointModeMarksTheCentreOfACircle) {
    // r = 20: g = 0.36 × 20 = 7.2, the cross ±7.2, the arms from 14.4 to 34.4 out;
    // r = 100: g = 9, the arms from 18 to 118 out. The clicks lie on the circles at 45°.
    const std::string setup = kStart + "pref Partager false\npref TraitsPointilles true\n" +
                              "circle 200 200 20\ncircle 500 500 100\n" + kTool;
    const auto s = MarksOf(RunScenario(setup + "click 214.14214 214.14214\n"), 6);
    ExpectLine(s[0], 192.8, 200, 207.2, 200);
    ExpectLine(s[1], 214.4, 200, 234.4, 200);
    ExpectLine(s[2], 185.6, 200, 165.6, 200);
    ExpectLine(s[5], 200, 185.6, 200, 165.6);
    EXPECT_EQ(s[5]["tags"][tags::kPiece], "jj");
    EXPECT_FALSE(s[5]["style"]["dash"].empty());
    const auto l = MarksOf(RunScenario(setup + "click 570.71068 570.71068\n"), 6);
    ExpectLine(l[5], 500, 482, 500, 382);
}

TEST(BezierTool, TheDragSizesTheMarksAndItsKeysChangeThem) {
    // The segment, the pointer 7 above its foot (40,50): Shift makes it 10, h = 14.173229.
    // Alt draws half marks on the pointer's side.
    const std::string segment = kStart + kSegment + kTool + "down 40 50\n";
    const auto s = MarksOf(RunScenario(segment + "drag 40 57 shift\n"), 4);
    ExpectLine(s[3], 80, 64.173229, 80, 35.826771);
    ExpectLine(MarksOf(RunScenario(segment + "drag 40 40 alt\n"), 4)[2], 40, 35.826771, 40, 50);

    // The closed square keeps its mark at anchor 0 with Ctrl; the L loses both ends.
    auto square = RunScenario(kStart + kSquare + kTool + "down 45 0\ndrag 45 10 ctrl\n");
    ExpectAcross(MarksOf(square, 3)[0], OnSquare(0), 14.173229);
    const std::string ell = kStart + kEll + kTool + "down 50 100\n";
    ExpectAcross(MarksOf(RunScenario(ell + "drag 50 110 ctrl\n"), 2)[0], OnEll(100), 14.173229);
    // Alt on the L, the pointer at (60,90): (C − pointer)·(C − (P0 + T0)) =
    // (−10,10)·(−100,0) > 0, so every mark runs from the path's right to its point;
    // d = 14.142136, h = 20.044004.
    const auto alt = MarksOf(RunScenario(ell + "drag 60 90 alt\n"), 4);
    ExpectLine(alt[1], 170.044004, 250, 150, 250);
    ExpectLine(alt[2], 100, 79.955996, 100, 100);

    // The pointer 40 below the vertex, outside the sector: the other angle, 300°, is
    // divided, turning away from the second side (rays at −100° and −200°), h = 56.692914;
    // Ctrl leaves out the sides. Alt divides the 60° again (20° and 40°).
    const std::string corner = kStart + kCorner + kTool + "down 100 100\n";
    const auto outer = MarksOf(RunScenario(corner + "drag 100 60 ctrl\n"), 2);
    ExpectLine(outer[0], 100, 100, 90.155324, 44.168398);
    ExpectLine(outer[1], 100, 100, 46.725743, 119.390268);
    const auto inner = MarksOf(RunScenario(corner + "drag 100 60 alt\n"), 4);
    ExpectLine(inner[2], 100, 100, 153.27426, 119.39027);
}

TEST(BezierTool, RefusedClicksLeaveTheDrawingAsItWas) {
    auto nothing = RunScenario(kStart + kEll + kTool + "click 300 300\n");
    EXPECT_EQ(nothing.dump["alerts"][0],
              "En mode Partager, il faut cliquer sur un tracé\r\rou sur le sommet d'un angle.\r\r"
              "Sinon, il faut cliquer sur l'extrémité d'une courbe de Bézier\r\rou sur un cercle"
              "\r\rpour que le clic ait un effet.");
    auto end = RunScenario(kStart + kEll + kTool + "down 0 100\ndrag 20 100\n");
    EXPECT_EQ(end.dump["alerts"][0], "Ce point n'est pas le sommet d'un angle.");
    EXPECT_TRUE(LayerArt(end.dump, "Dimensions")->empty());
    // (A locked dimension layer refuses every tool alike: the Segment tool's refusals.)
}

}  // namespace
}  // namespace quill::testing
