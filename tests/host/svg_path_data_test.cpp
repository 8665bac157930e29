// Path data, arcs, transforms and numbers of the SVG reader.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "host/svg/svg_matrix.h"
#include "host/svg/svg_numbers.h"
#include "host/svg/svg_path_data.h"

namespace host::svg {
namespace {

constexpr double kPi = 3.14159265358979323846;

Outline Parse(const std::string& d) {
    Outline outline;
    std::string error;
    EXPECT_TRUE(ParsePathData(d, &outline, &error)) << d << ": " << error;
    return outline;
}

// Anchors of every contour as "x,y" separated by spaces, contours by " | ".
std::string Anchors(const Outline& outline) {
    std::string text;
    for (const auto& contour : outline) {
        if (!text.empty()) text += " | ";
        for (const auto& node : contour.nodes)
            text += FormatDouble(node.p.x) + "," + FormatDouble(node.p.y) + " ";
        text += contour.closed ? "Z" : "-";
    }
    return text;
}

Point Cubic(Point a, Point b, Point c, Point d, double t) {
    double u = 1 - t;
    return {u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x,
            u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y};
}

TEST(SvgPathData, EveryCommandAbsoluteAndRelativeWithImplicitRepeats) {
    struct Row {
        const char* d;
        const char* anchors;
    };
    const Row rows[] = {
        {"M 10 20 L 30 40", "10,20 30,40 -"},
        {"m 10 20 l 5 5 5 5", "10,20 15,25 20,30 -"},
        {"M10,20 30,40 50,60", "10,20 30,40 50,60 -"},  // pairs after M are lines
        {"m10 20 5 5", "10,20 15,25 -"},                // and after m relative lines
        {"M 0 0 H 10 V 5 h -3 v -2", "0,0 10,0 10,5 7,5 7,3 -"},
        {"M0 0L10 0L10 10Z", "0,0 10,0 10,10 Z"},
        {"M0 0L10 0L10 10L0 0z", "0,0 10,0 10,10 Z"},          // a return to the start closes on it
        {"M0 0 L1 1 Z m 5 5 l 1 0", "0,0 1,1 Z | 5,5 6,5 -"},  // m after Z is from the start
        {"M0 0 L1 0 Z L 2 2", "0,0 1,0 Z | 0,0 2,2 -"},        // drawing after Z starts anew there
        {"M-1.5.5.5-1e1", "-1.5,0.5 0.5,-10 -"},               // numbers run together
        {"M 0 0 C 1 1 2 1 3 0 S 5 -1 6 0", "0,0 3,0 6,0 -"},
        {"M 0 0 Q 1 1 2 0 T 4 0 t 2 0", "0,0 2,0 4,0 6,0 -"},
        {"M 5 5", ""},  // a lone moveto draws nothing
        {"", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(Anchors(Parse(row.d)), row.anchors) << row.d;
}

TEST(SvgPathData, SmoothCurvesReflectThePreviousControlPoint) {
    Outline o = Parse("M 0 0 C 0 1 2 1 2 0 s 2 -1 2 0");
    ASSERT_EQ(o.size(), 1u);
    const auto& n = o[0].nodes;
    ASSERT_EQ(n.size(), 3u);
    EXPECT_DOUBLE_EQ(n[1].out.x, 2);  // reflection of (2, 1) about (2, 0)
    EXPECT_DOUBLE_EQ(n[1].out.y, -1);
    EXPECT_DOUBLE_EQ(n[2].in.x, 4);
    EXPECT_DOUBLE_EQ(n[2].in.y, -1);
    // S after a line uses the current point as its first control point.
    Outline line = Parse("M 0 0 L 1 0 S 3 1 3 0");
    EXPECT_DOUBLE_EQ(line[0].nodes[1].out.x, 1);
    EXPECT_DOUBLE_EQ(line[0].nodes[1].out.y, 0);
}

TEST(SvgPathData, QuadraticsAreRaisedExactly) {
    Outline o = Parse("M 0 0 Q 3 6 6 0");
    const auto& n = o[0].nodes;
    EXPECT_DOUBLE_EQ(n[0].out.x, 2);
    EXPECT_DOUBLE_EQ(n[0].out.y, 4);
    EXPECT_DOUBLE_EQ(n[1].in.x, 4);
    EXPECT_DOUBLE_EQ(n[1].in.y, 4);
}

TEST(SvgPathData, MalformedDataIsRefusedWithThePlace) {
    struct Row {
        const char* d;
        const char* message;
    };
    const Row rows[] = {
        {"L 10 10", "must start with a moveto"},
        {"10 10", "must start with a moveto"},
        {"M 10", "number expected at character 5 (end of data)"},
        {"M 0 0 L 1 nan", "number expected at character 11 ('nan')"},
        {"M 0 0 X 1 1", "unknown command 'X'"},
        {"M 0 0 L 1 1 #", "unexpected character at character 13 ('#')"},
        {"M 0 0 A 1 1 0 2 0 5 5", "arc flag expected"},
        {"M 0 0 L 1e16 0", "number out of range"},
        {"M 0 0 L 1e400 0", "number out of range"},
        {"M 0 0 Z 1 1", "unexpected character"},
    };
    for (const auto& row : rows) {
        Outline outline;
        std::string error;
        EXPECT_FALSE(ParsePathData(row.d, &outline, &error)) << row.d;
        EXPECT_NE(error.find(row.message), std::string::npos) << row.d << " gave: " << error;
    }
}

TEST(SvgPathData, AnOutlineOfTooManyAnchorsIsRefused) {
    // Full circles, a quarter turn a piece, more than a million times over.
    std::string d = "M 0 0";
    for (int i = 0; i < 1000001; ++i) d += "a1 1 0 1 1 0 2a1 1 0 1 1 0-2";
    Outline outline;
    std::string error;
    EXPECT_FALSE(ParsePathData(d, &outline, &error));
    EXPECT_NE(error.find("more than 4000000 anchors"), std::string::npos) << error;
}

TEST(SvgPathData, ArcFlagsMayRunIntoTheirNumbers) {
    // "a25 25 0 1050 0" is rx 25, ry 25, rotation 0, large 1, sweep 0, then 50 0.
    Outline o = Parse("M0 0a25 25 0 1050 0");
    ASSERT_EQ(o.size(), 1u);
    EXPECT_NEAR(o[0].nodes.back().p.x, 50, 1e-12);
    EXPECT_NEAR(o[0].nodes.back().p.y, 0, 1e-12);
}

TEST(SvgPathData, ZeroRadiusArcIsALineAndArcToItselfNothing) {
    EXPECT_EQ(Anchors(Parse("M 0 0 A 0 5 0 0 1 10 0")), "0,0 10,0 -");
    EXPECT_EQ(Anchors(Parse("M 0 0 L 1 0 A 5 5 0 0 1 1 0")), "0,0 1,0 -");
    // Tiny radii are scaled up to a half ellipse over the chord; radii so small that no
    // number can scale them up leave the chord.
    Outline half = Parse("M 0 0 A 1e-300 1e-300 0 0 1 10 0");
    ASSERT_EQ(half.size(), 1u);
    EXPECT_EQ(half[0].nodes.size(), 3u);
    EXPECT_NEAR(std::fabs(half[0].nodes[1].p.y), 5, 1e-9);
    EXPECT_EQ(Anchors(Parse("M 0 0 A 1e-320 1e-320 0 0 1 10 0")), "0,0 10,0 -");
}

// Every arc comes in one Bézier per quarter turn or less, as the host's own circles, each
// within 0.027 % of the radius of the true ellipse, for small and large radii, rotations,
// both flags and radii too small to reach (scaled up as SVG says).
TEST(SvgPathData, ArcsComeInAQuarterTurnAPieceCloseToTheTrueEllipse) {
    struct Arc {
        double rx, ry, rotation;
        bool large, sweep;
        Point to;
        std::size_t pieces;
    };
    const Arc arcs[] = {
        {10, 10, 0, false, true, {20, 0}, 2},       {500, 300, 30, true, false, {400, 250}, 4},
        {3000, 3000, 0, false, true, {6000, 0}, 2}, {2, 1, -45, true, true, {1, 3}, 2},
        {1, 1, 0, false, true, {50, 0}, 2},         {40, 10, 90, true, false, {-30, 5}, 3},
        {16, 16, 0, false, true, {16, 16}, 1},
    };
    for (const auto& arc : arcs) {
        Outline o = Parse("M 0 0 A " + FormatDouble(arc.rx) + " " + FormatDouble(arc.ry) + " " +
                          FormatDouble(arc.rotation) + " " + (arc.large ? "1 " : "0 ") +
                          (arc.sweep ? "1 " : "0 ") + FormatDouble(arc.to.x) + " " +
                          FormatDouble(arc.to.y));
        ASSERT_EQ(o.size(), 1u);
        const auto& nodes = o[0].nodes;
        EXPECT_EQ(nodes.size(), arc.pieces + 1) << "rx " << arc.rx << " ry " << arc.ry;
        EXPECT_NEAR(nodes.back().p.x, arc.to.x, 1e-9);
        // Fit the ellipse through the anchors: every anchor is on it, so the centre and
        // radii follow from the arc's endpoint description; check the Bézier points by the
        // ellipse's implicit equation in its own frame.
        double phi = arc.rotation * kPi / 180, c = std::cos(phi), s = std::sin(phi);
        double hx = -arc.to.x / 2, hy = -arc.to.y / 2;
        double x1 = c * hx + s * hy, y1 = -s * hx + c * hy;
        double rx = arc.rx, ry = arc.ry;
        double lambda = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
        if (lambda > 1) rx *= std::sqrt(lambda), ry *= std::sqrt(lambda);
        double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
        double k = std::sqrt(std::max(0.0, num / (rx * rx * y1 * y1 + ry * ry * x1 * x1)));
        if (arc.large == arc.sweep) k = -k;
        double cx1 = k * rx * y1 / ry, cy1 = -k * ry * x1 / rx;
        Point centre{c * cx1 - s * cy1 + arc.to.x / 2, s * cx1 + c * cy1 + arc.to.y / 2};
        double worst = 0;
        for (std::size_t i = 1; i < nodes.size(); ++i)
            for (int step = 0; step <= 64; ++step) {
                Point p =
                    Cubic(nodes[i - 1].p, nodes[i - 1].out, nodes[i].in, nodes[i].p, step / 64.0);
                double dx = p.x - centre.x, dy = p.y - centre.y;
                double u = (c * dx + s * dy) / rx, v = (-s * dx + c * dy) / ry;
                double radial = std::hypot(u, v);
                // Distance to the ellipse along the ray, relative to the larger radius.
                double distance = std::fabs(radial - 1) / radial * std::hypot(dx, dy);
                worst = std::max(worst, distance / std::max(rx, ry));
            }
        EXPECT_LE(worst, 2.75e-4) << "rx " << arc.rx << " ry " << arc.ry;
    }
}

TEST(SvgTransform, EveryFunctionAndTheirComposition) {
    struct Row {
        const char* text;
        Point in, out;
    };
    const Row rows[] = {
        {"translate(10)", {1, 2}, {11, 2}},
        {"translate(10, -5)", {1, 2}, {11, -3}},
        {"scale(2)", {1, 2}, {2, 4}},
        {"scale(2 3)", {1, 2}, {2, 6}},
        {"rotate(90)", {1, 0}, {0, 1}},
        {"rotate(90 10 10)", {10, 0}, {20, 10}},
        {"rotate(-90)", {1, 0}, {0, -1}},
        {"skewX(45)", {0, 1}, {1, 1}},
        {"skewY(45)", {1, 0}, {1, 1}},
        {"matrix(1 2 3 4 5 6)", {1, 1}, {9, 12}},
        {"translate(10,0) scale(2)", {1, 1}, {12, 2}},  // applied right to left to points
        {"scale(2),translate(10,0)", {1, 1}, {22, 2}},
        {"", {3, 4}, {3, 4}},
    };
    for (const auto& row : rows) {
        auto m = ParseTransform(row.text);
        ASSERT_TRUE(m) << row.text;
        Point p = m->Apply(row.in);
        EXPECT_NEAR(p.x, row.out.x, 1e-12) << row.text;
        EXPECT_NEAR(p.y, row.out.y, 1e-12) << row.text;
    }
    for (const char* bad : {"rotate(", "scale()", "matrix(1 2 3)", "spin(4)", "translate(1) x",
                            "scale(1e300) scale(1e300)"})
        EXPECT_FALSE(ParseTransform(bad)) << bad;
}

TEST(SvgNumbers, ShortestTextReadsBackAsTheSameFloat) {
    for (float v : {0.1f, 1.0f / 3.0f, 841.89f, -1e-7f, 3.4e38f, 1.17549435e-38f, 12345.678f}) {
        std::string text = FormatFloat(v);
        auto back = ParseNumber(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(static_cast<float>(*back), v) << text;
    }
    EXPECT_EQ(FormatFloat(-0.0f), "0");
    EXPECT_EQ(FormatFloat(2.5f), "2.5");
    for (const char* bad : {"inf", "nan", "0x10", "1..2", "", "- 1", "1e"})
        EXPECT_FALSE(ParseNumber(bad)) << bad;
    EXPECT_EQ(ParseNumber("1e-400"), 0.0);  // far below any drawing's precision
}

TEST(SvgNumbers, DecimalsReadAsTheGeneralConversionReadsThem) {
    // Alone, and in a list where each is followed by more text than its own.
    std::mt19937_64 random(17);
    std::string list;
    std::vector<double> listed;
    for (int k = 0; k < 200000; ++k) {
        std::string text = random() % 2 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 17), point = random() % (digits + 1);
        for (int i = 0; i < digits; ++i)
            text += std::string(i == point ? "." : "") + static_cast<char>('0' + random() % 10);
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        const auto read = ParseNumber(text);
        ASSERT_TRUE(read) << text;
        ASSERT_EQ(std::memcmp(&*read, &expected, sizeof expected), 0) << text;
        list += text + (k % 3 == 0 ? "," : k % 3 == 1 ? " " : "L");
        listed.push_back(expected);
    }
    NumberScanner scanner(list);
    for (const double expected : listed) {
        const auto read = scanner.ReadNumber();
        ASSERT_TRUE(read) << scanner.Rest().substr(0, 40);
        ASSERT_EQ(std::memcmp(&*read, &expected, sizeof expected), 0) << expected;
        if (scanner.Peek() == 'L') scanner.Advance();
    }
    EXPECT_TRUE(scanner.AtEnd());
}

// Digits are read eight bytes at a time where eight are left: a number stops at the
// characters next to the digits in ASCII, at bytes beyond it, at the end of the text.
TEST(SvgNumbers, ANumberEndsAtTheFirstCharacterThatIsNoDigit) {
    struct Row {
        std::string text;
        double value;
        std::string rest;
    };
    const Row rows[] = {
        {"12345678/9", 12345678, "/9"},
        {"1234567:89", 1234567, ":89"},
        {"7.\xC3\xA9tc padding", 7, "\xC3\xA9tc padding"},
        {"+5.", 5, ""},
        {"-0.25 rest of it", -0.25, "rest of it"},
        {"123456789012345x", 123456789012345, "x"},
        {"1.2.3 and more", 1.2, ".3 and more"},
        {"00000009.50000000", 9.5, ""},
        {"3e2 and more bytes", 300, "and more bytes"},
        {"4em of padding", 4, "em of padding"},
    };
    for (const Row& row : rows) {
        NumberScanner scanner(row.text);
        const auto read = scanner.ReadNumber();
        ASSERT_TRUE(read) << row.text;
        EXPECT_EQ(*read, row.value) << row.text;
        EXPECT_EQ(scanner.Rest(), row.rest) << row.text;
    }
}

}  // namespace
}  // namespace host::svg
