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
// An L of two curves drawn straight (their handles a third of the way along, so that
// length runs evenly with t): (0,100) → (150,100) → (150,250), 300 long.
const std::string kEll =
    "bezier name ell : M 0 100 C 50 100 100 100 150 100 C 150 150 150 200 150 250\n";
// A closed square of such curves, 360 round: (0,0) → (90,0) → (90,90) → (0,90) → (0,0).
const std::string kSquare =
    "bezier name square : M 0 0 C 30 0 60 0 90 0 C 90 30 90 60 90 90 C 60 90 30 90 0 90 "
    "C 0 60 0 30 0 0 Z\n";
// A straight segment from A (0,50) to B (120,50), and a corner of 60 degrees at (100,100)
// whose first side runs along +x.
// The same L drawn with straight segments.
const std::string kPolyline = "path name polyline : 0,100 150,100 150,250\n";
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

// A centred mark across the path: from h on its left to h on its right.
void ExpectAcross(const nlohmann::json& mark, Station at, double h) {
    const double lx = -std::sin(at.theta) * h, ly = std::cos(at.theta) * h;
    EXPECT_POINT_NEAR(AnchorOf(&mark, 0), at.x + lx, at.y + ly, 0.01);
    EXPECT_POINT_NEAR(AnchorOf(&mark, 1), at.x - lx, at.y - ly, 0.01);
}

void ExpectLine(const nlohmann::json& mark, double x0, double y0, double x1, double y1) {
    EXPECT_POINT_NEAR(AnchorOf(&mark, 0), x0, y0, 0.01);
    EXPECT_POINT_NEAR(AnchorOf(&mark, 1), x1, y1, 0.01);
}

// The marks of the one group, bottom to top as they were made.
const nlohmann::json& MarksOf(const Scenario& s, std::size_t count) {
    EXPECT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    const auto& group = OnlyGroup(s.dump);
    EXPECT_EQ(group["name"], "Bézier partage");
    EXPECT_EQ(group["art"].size(), count);
    return group["art"];
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
        const std::string tool = "startup\ntool bezier\n";
        auto ell = RunScenario(start + kEll + tool + "click 50 100\n");
        const auto& e = MarksOf(ell, n + 1);
        ExpectAcross(e[0], OnEll(0), kH);
        ExpectAcross(e[1], OnEll(300), kH);
        for (int k = 1; k < n; ++k) ExpectAcross(e[k + 1], OnEll(300.0 * k / n), kH);
        EXPECT_TRUE(e[0]["selected"]);
        EXPECT_FALSE(e[0]["tags"].contains("orl"));

        auto square = RunScenario(start + kSquare + tool + "click 45 0\n");
        const auto& q = MarksOf(square, n);
        ExpectAcross(q[0], OnSquare(0), kH);
        for (int k = 1; k < n; ++k) ExpectAcross(q[k], OnSquare(360.0 * k / n), kH);

        auto segment = RunScenario(start + kSegment + tool + "click 40 50\n");
        const auto& g = MarksOf(segment, n + 1);
        ExpectLine(g[0], 0, 50 + kH, 0, 50 - kH);
        ExpectLine(g[1], 120, 50 + kH, 120, 50 - kH);
        for (int k = 1; k < n; ++k)
            ExpectLine(g[k + 1], 120.0 * k / n, 50 + kH, 120.0 * k / n, 50 - kH);
        EXPECT_FALSE(g[0]["selected"]);

        auto corner = RunScenario(start + kCorner + tool + "click 100 100\n");
        const auto& a = MarksOf(corner, n + 1);
        for (int k = -1; k < n; ++k) {
            // Index 0 and 1: the sides; then the division rays.
            const double degrees = k < 0 ? 0 : k == 0 ? 60 : 60.0 * k / n;
            const double r = degrees * kPi / 180;
            ExpectLine(a[k + 1], 100, 100, 100 + kH * std::cos(r), 100 + kH * std::sin(r));
        }
    }
}

TEST(BezierTool, PointModeMarksThePointAtTheLengthFromEitherEnd) {
    // 30 mm is 85.03937 along the L: from its start at (85.04,100), from its end at
    // 214.96, that is (150,164.96). A straight end segment counts like its end anchor.
    const std::string point = kStart + "pref Partager false\npref Epaisseur 2.5\n";
    const std::string setup = point + kPolyline + "rect 200 0 90 90\nstartup\ntool bezier\n";
    for (const char* click : {"click 0 100\n", "click 40 100\n"}) {
        const Scenario s = RunScenario(setup + click);
        const auto& m = MarksOf(s, 1);
        ExpectAcross(m[0], OnEll(85.03937), kH);
        EXPECT_TRUE(m[0]["selected"]);
        EXPECT_EQ(m[0]["style"]["width"], 2.5);
    }
    for (const char* click : {"click 150 250\n", "click 150 200\n"}) {
        const Scenario s = RunScenario(setup + click);
        ExpectAcross(MarksOf(s, 1)[0], OnEll(214.96063), kH);
    }
    // 105.83333 mm is exactly the L's 300: the mark stands on the far anchor.
    const std::string ell = kEll + "startup\ntool bezier\nclick 0 100\n";
    auto whole = RunScenario(point + "pref LongueurSurCourbe 105.83333\n" + ell);
    ExpectAcross(MarksOf(whole, 1)[0], OnEll(300), kH);
    // A single curve clicked anywhere measures from its last anchor; at 0 mm the mark
    // stands there, across the curve's last tangent (1,2)/√5.
    auto curve = RunScenario(point +
                             "pref LongueurSurCourbe 0.0\nbezier : M 0 0 C 50 100 100 -100 "
                             "150 0\nstartup\ntool bezier\nclick 75 0\n");
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
    // r = 100: g = 9, the arms from 18 to 118 out. The click lies on the circle at 45°.
    const std::string setup = kStart +
                              "pref Partager false\ncircle 200 200 20\n"
                              "circle 500 500 100\nstartup\ntool bezier\n";
    auto small = RunScenario(setup + "click 214.14214 214.14214\n");
    const auto& s = MarksOf(small, 6);
    ExpectLine(s[0], 192.8, 200, 207.2, 200);
    ExpectLine(s[1], 214.4, 200, 234.4, 200);
    ExpectLine(s[2], 185.6, 200, 165.6, 200);
    ExpectLine(s[3], 200, 192.8, 200, 207.2);
    ExpectLine(s[4], 200, 214.4, 200, 234.4);
    ExpectLine(s[5], 200, 185.6, 200, 165.6);
    EXPECT_EQ(s[5]["tags"]["orl"], "jj");
    auto large = RunScenario(setup + "click 570.71068 570.71068\n");
    const auto& l = MarksOf(large, 6);
    ExpectLine(l[0], 491, 500, 509, 500);
    ExpectLine(l[2], 482, 500, 382, 500);
    ExpectLine(l[4], 500, 518, 500, 618);
}

TEST(BezierTool, TheDragSizesTheMarksAndItsKeysChangeThem) {
    const std::string tool = "startup\ntool bezier\n";
    // The segment, the pointer 7 above its foot (40,50): Shift makes it 10, h = 14.173229.
    // Alt draws half marks on the pointer's side, Ctrl drops A and B.
    auto shift = RunScenario(kStart + kSegment + tool + "down 40 50\ndrag 40 57 shift\n");
    const auto& s = MarksOf(shift, 4);
    ExpectLine(s[0], 0, 64.173229, 0, 35.826771);
    ExpectLine(s[3], 80, 64.173229, 80, 35.826771);
    auto alt = RunScenario(kStart + kSegment + tool + "down 40 50\ndrag 40 40 alt\n");
    ExpectLine(MarksOf(alt, 4)[2], 40, 35.826771, 40, 50);
    auto ctrl = RunScenario(kStart + kSegment + tool + "down 40 50\ndrag 40 60 ctrl\n");
    ExpectLine(MarksOf(ctrl, 2)[0], 40, 64.173229, 40, 35.826771);

    // The closed square keeps its mark at anchor 0 with Ctrl; the L loses both ends.
    auto square = RunScenario(kStart + kSquare + tool + "down 45 0\ndrag 45 10 ctrl\n");
    ExpectAcross(MarksOf(square, 3)[0], OnSquare(0), 14.173229);
    auto ell = RunScenario(kStart + kEll + tool + "down 50 100\ndrag 50 110 ctrl\n");
    ExpectAcross(MarksOf(ell, 2)[0], OnEll(100), 14.173229);

    // The pointer 40 below the vertex, outside the sector: the other angle, 300°, is
    // divided, turning away from the second side (rays at −100° and −200°), h = 56.692914;
    // Ctrl leaves out the sides. Alt divides the 60° again (20° and 40°).
    auto outer = RunScenario(kStart + kCorner + tool + "down 100 100\ndrag 100 60 ctrl\n");
    const auto& o = MarksOf(outer, 2);
    ExpectLine(o[0], 100, 100, 90.155324, 44.168398);
    ExpectLine(o[1], 100, 100, 46.725743, 119.390268);
    auto inner = RunScenario(kStart + kCorner + tool + "down 100 100\ndrag 100 60 alt\n");
    ExpectLine(MarksOf(inner, 4)[2], 100, 100, 153.27426, 119.39027);
}

TEST(BezierTool, RefusedClicksLeaveTheDrawingAsItWas) {
    const std::string tool = "startup\ntool bezier\n";
    auto nothing = RunScenario(kStart + kEll + tool + "click 300 300\n");
    EXPECT_EQ(nothing.dump["alerts"][0],
              "En mode Partager, il faut cliquer sur un tracé\r\rou sur le sommet d'un angle.\r\r"
              "Sinon, il faut cliquer sur l'extrémité d'une courbe de Bézier\r\rou sur un cercle"
              "\r\rpour que le clic ait un effet.");
    auto end = RunScenario(kStart + kEll + tool + "click 0 100\ndrag 20 100\n");
    EXPECT_EQ(end.dump["alerts"][0], "Ce point n'est pas le sommet d'un angle.");
    EXPECT_TRUE(LayerArt(end.dump, "Dimensions")->empty());
    auto locked =
        RunScenario(kStart + kEll + "layer Dimensions locked\n" + tool + "click 50 100\n");
    EXPECT_EQ(locked.dump["alerts"][0], "Cotation impossible. Calque verrouillé.");
    EXPECT_TRUE(LayerArt(locked.dump, "Dimensions")->empty());
}

}  // namespace
}  // namespace quill::testing
