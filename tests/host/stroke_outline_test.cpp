#include "host/geometry/stroke_outline.h"

#include <gtest/gtest.h>

#include <cmath>

#include "host/geometry/bezier.h"
#include "host_fixture.h"

namespace host {
namespace {

using geom::Outline;
using geom::StrokeShape;

AIPathSegment Corner(float x, float y) {
    return {{x, y}, {x, y}, {x, y}, 1};
}

double Area(const Outline& outline) {
    return std::fabs(geom::SignedArea(outline));
}

double DistanceTo(AIRealPoint p, AIRealPoint q) {
    return std::hypot(p.h - q.h, p.v - q.v);
}

TEST(StrokeOutline, StraightLineWithEachCap) {
    const std::vector<AIPathSegment> line = {Corner(0, 0), Corner(100, 0)};
    auto butt = geom::OutlineStroke(line, false, {10, kAIButtCap, kAIMiterJoin, 4});
    ASSERT_EQ(butt.size(), 1u);
    ASSERT_EQ(butt[0].size(), 4u);
    EXPECT_NEAR(Area(butt[0]), 1000, 1e-3);
    // It starts where the right side comes back to the first anchor, crosses the cap,
    // then runs along the left side.
    EXPECT_NEAR(butt[0][0].p.h, 0, 1e-5);
    EXPECT_NEAR(butt[0][0].p.v, -5, 1e-5);
    EXPECT_NEAR(butt[0][1].p.h, 0, 1e-5);
    EXPECT_NEAR(butt[0][1].p.v, 5, 1e-5);
    EXPECT_NEAR(butt[0][2].p.h, 100, 1e-4);
    EXPECT_NEAR(butt[0][2].p.v, 5, 1e-5);
    const auto square = geom::OutlineStroke(line, false, {10, kAIProjectingCap, kAIMiterJoin, 4});
    EXPECT_NEAR(Area(square[0]), 1100, 1e-3);
    const auto round = geom::OutlineStroke(line, false, {10, kAIRoundCap, kAIMiterJoin, 4});
    EXPECT_NEAR(Area(round[0]), 1000 + M_PI * 25, 0.1);
    // Every anchor of a round cap lies half the width from its end.
    int atEnds = 0;
    for (const AIPathSegment& s : round[0])
        atEnds += std::fabs(DistanceTo(s.p, {0, 0}) - 5) < 1e-3 ||
                  std::fabs(DistanceTo(s.p, {100, 0}) - 5) < 1e-3;
    EXPECT_EQ(atEnds, static_cast<int>(round[0].size()));
}

TEST(StrokeOutline, JoinsOnTheOuterSideOfACorner) {
    const std::vector<AIPathSegment> corner = {Corner(0, 0), Corner(100, 0), Corner(100, 100)};
    const auto miter = geom::OutlineStroke(corner, false, {10, kAIButtCap, kAIMiterJoin, 4});
    ASSERT_EQ(miter.size(), 1u);
    const auto bevel = geom::OutlineStroke(corner, false, {10, kAIButtCap, kAIBevelJoin, 4});
    const auto round = geom::OutlineStroke(corner, false, {10, kAIButtCap, kAIRoundJoin, 4});
    // Beyond the bevel's triangle, the outer corner adds a square's other half for a
    // miter and a quarter disc's edge when round.
    EXPECT_NEAR(Area(miter[0]) - Area(bevel[0]), 12.5, 1e-3);
    EXPECT_NEAR(Area(round[0]) - Area(bevel[0]), M_PI * 25 / 4 - 12.5, 0.05);
    // A miter limit below √2 turns the right-angle miter into a bevel.
    const auto limited = geom::OutlineStroke(corner, false, {10, kAIButtCap, kAIMiterJoin, 1.2});
    EXPECT_NEAR(Area(limited[0]), Area(bevel[0]), 1e-3);
}

TEST(StrokeOutline, ATightBendFallsApartAndAGentleOneDoesNot) {
    // A half circle of radius 20 drawn with two quarter arcs.
    const float k = 0.5522847771644592f * 20;
    const std::vector<AIPathSegment> bend = {{{20, 0}, {20, -k}, {20, k}, 0},
                                             {{0, 20}, {k, 20}, {-k, 20}, 0},
                                             {{-20, 0}, {-20, k}, {-20, -k}, 0}};
    const auto gentle = geom::OutlineStroke(bend, false, {30, kAIRoundCap, kAIMiterJoin, 4});
    EXPECT_EQ(gentle.size(), 1u);
    const auto tight = geom::OutlineStroke(bend, false, {50, kAIRoundCap, kAIMiterJoin, 4});
    EXPECT_GE(tight.size(), 2u);
    // The offset lines of a gentle bend keep half the width from the curve.
    for (const AIPathSegment& s : gentle[0]) {
        const double r = std::hypot(s.p.h, s.p.v);
        const bool onSide = std::fabs(r - 5) < 0.06 || std::fabs(r - 35) < 0.06;
        const bool onCap = std::fabs(DistanceTo(s.p, {20, 0}) - 15) < 1e-3 ||
                           std::fabs(DistanceTo(s.p, {-20, 0}) - 15) < 1e-3;
        EXPECT_TRUE(onSide || onCap) << s.p.h << " " << s.p.v;
    }
}

TEST(StrokeOutline, ClosedPathsGiveTwoEdgesAndBadInputNothing) {
    const std::vector<AIPathSegment> square = {Corner(0, 0), Corner(100, 0), Corner(100, 100),
                                               Corner(0, 100)};
    const auto edges = geom::OutlineStroke(square, true, {10, kAIButtCap, kAIMiterJoin, 4});
    ASSERT_EQ(edges.size(), 2u);
    const double outer = std::max(Area(edges[0]), Area(edges[1]));
    EXPECT_NEAR(outer, 110 * 110, 1e-2);
    EXPECT_TRUE(geom::OutlineStroke(square, true, {0, kAIButtCap, kAIMiterJoin, 4}).empty());
    EXPECT_TRUE(
        geom::OutlineStroke({Corner(1, 1)}, false, {1, kAIButtCap, kAIMiterJoin, 4}).empty());
    EXPECT_TRUE(geom::OutlineStroke({Corner(1, 1), Corner(NAN, 2)}, false, {1, 0, 0, 4}).empty());
}

class ArtConverterTest : public testing::HostTest {};

TEST_F(ArtConverterTest, TheOutlineTakesThePathsPlace) {
    const auto& converter =
        suite<AIArtConverterSuite>(kAIArtConverterSuite, kAIArtConverterSuiteVersion);
    Art* below = Polyline({{0, 50}, {10, 50}});
    Art* path = Polyline({{0, 0}, {100, 0}});
    path->SetTag("xxx", "jj");
    path->editStyle().width = 4;
    Art* above = Polyline({{0, 70}, {10, 70}});
    const AIArtHandle handle = HandleOf(path);
    ASSERT_EQ(converter.OutlineStroke(handle), kNoErr);
    EXPECT_EQ(ArtOf(handle), nullptr);
    const auto& art = doc().currentLayer()->group()->children();
    ASSERT_EQ(art.size(), 3u);
    EXPECT_EQ(art[0].get(), below);
    EXPECT_EQ(art[2].get(), above);
    const Art& outline = *art[1];
    EXPECT_TRUE(outline.closed);
    EXPECT_TRUE(outline.style().fillPaint);
    EXPECT_FALSE(outline.style().strokePaint);
    EXPECT_EQ(outline.FindTag("xxx"), nullptr);
    EXPECT_NEAR(std::fabs(geom::SignedArea(outline.segments)), 400, 1e-3);
    EXPECT_EQ(converter.OutlineStroke(handle), kStaleHandleErr);
}

}  // namespace
}  // namespace host

namespace host {
namespace {

// What the curve-following dimension finds on an outline: the ends of the caps (anchors
// at half the width from an end of the path, within 1 point) and, between them, the two
// long sides.
struct CapEnds {
    int s0a = -1, s0b = -1, s1a = -1, s1b = -1;
};

CapEnds FindCapEnds(const geom::Outline& outline, AIRealPoint e0, AIRealPoint e1, double d) {
    const int m = static_cast<int>(outline.size());
    auto at = [&](int i, AIRealPoint e) {
        const AIRealPoint p = outline[static_cast<std::size_t>((i % m + m) % m)].p;
        return std::fabs(std::hypot(p.h - e.h, p.v - e.v) - d) < 1.0;
    };
    CapEnds ends;
    for (int i = 0; i < m; ++i) {
        if (ends.s0a < 0 && at(i, e0) && at(i - 1, e0)) ends.s0a = (i - 1 + m) % m;
        if (ends.s0b < 0 && at(i, e0) && !at(i + 1, e0)) ends.s0b = i;
        if (ends.s1a < 0 && at(i, e1) && !at(i - 1, e1)) ends.s1a = i;
        if (ends.s1b < 0 && at(i, e1) && !at(i + 1, e1)) ends.s1b = i;
    }
    return ends;
}

TEST(StrokeOutline, CapEndsDelimitTheTwoLongSides) {
    // An S-shaped open curve, offset by d = 6 on each side.
    const std::vector<AIPathSegment> curve = {{{0, 0}, {0, 0}, {40, 60}, 0},
                                              {{100, 0}, {60, -60}, {100, 0}, 0}};
    const double d = 6;
    for (int cap : {kAIButtCap, kAIRoundCap}) {
        const auto outlines = geom::OutlineStroke(curve, false, {2 * d, cap, kAIMiterJoin, 4});
        ASSERT_EQ(outlines.size(), 1u) << cap;
        const geom::Outline& outline = outlines[0];
        const CapEnds ends = FindCapEnds(outline, {0, 0}, {100, 0}, d);
        ASSERT_GE(ends.s0a, 0);
        ASSERT_GE(ends.s0b, 0);
        ASSERT_GE(ends.s1a, 0);
        ASSERT_GE(ends.s1b, 0);
        // The side from s0b to s1a, and the one from s1b to s0a, stay d from the curve.
        const geom::Cubic c = geom::SegmentCubic(curve, 0);
        const int m = static_cast<int>(outline.size());
        for (auto [from, to] : {std::pair{ends.s0b, ends.s1a}, std::pair{ends.s1b, ends.s0a}}) {
            int count = 0;
            for (int i = from; i != to; i = (i + 1) % m, ++count) {
                const AIRealPoint p = outline[static_cast<std::size_t>(i)].p;
                double nearest = 1e9;
                for (int k = 0; k <= 4000; ++k) {
                    const geom::Vec q = geom::Evaluate(c, k / 4000.0);
                    nearest = std::min(nearest, std::hypot(q.x - p.h, q.y - p.v));
                }
                EXPECT_NEAR(nearest, d, 0.06) << cap << " anchor " << i;
            }
            EXPECT_GE(count, 2) << cap;
        }
    }
}

}  // namespace
}  // namespace host
