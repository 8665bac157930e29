#include "host/geometry/bezier.h"

#include "host/geometry/nearest_point.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>

namespace host::geom {
namespace {

std::vector<AIPathSegment> Square(float x, float y, float side) {
    auto corner = [](float h, float v) {
        AIRealPoint p{h, v};
        return AIPathSegment{p, p, p, 1};
    };
    return {corner(x, y), corner(x + side, y), corner(x + side, y + side), corner(x, y + side)};
}

TEST(Bezier, StraightLengthAndAreas) {
    Cubic line{{0, 0}, {0, 0}, {30, 40}, {30, 40}};
    EXPECT_NEAR(Length(line), 50.0, 1e-9);
    EXPECT_NEAR(SignedArea(Square(0, 0, 10)), 100.0, 1e-9);
    auto clockwise = Square(0, 0, 10);
    std::reverse(clockwise.begin(), clockwise.end());
    EXPECT_NEAR(SignedArea(clockwise), -100.0, 1e-9);
}

TEST(Bezier, QuarterCircleLengthAndCircleArea) {
    const double k = 0.5522847498 * 100;
    Cubic quarter{{100, 0}, {100, k}, {k, 100}, {0, 100}};
    EXPECT_NEAR(Length(quarter), M_PI * 50, 0.03);  // the usual approximation, not a circle
    double total = Length(quarter);
    double t = TAtLength(quarter, total / 2, total);
    EXPECT_NEAR(t, 0.5, 1e-6);  // symmetric curve
    EXPECT_NEAR(LengthTo(quarter, t), total / 2, 1e-9);
}

TEST(Bezier, ACurveOfCoordinatesBeyondAFloatIsNotSearchedForever) {
    // 3.5e38 is a double, not a float: its bounds are not numbers. The search gives the
    // curve up instead of halving it to the bottom.
    const float beyond = static_cast<float>(3.5e38);
    const Cubic curve{{100, 100}, {100, 100}, {beyond, 100}, {beyond, 100}};
    EXPECT_FALSE(Nearest(curve, {150, 100}, 4).has_value());
}

}  // namespace
}  // namespace host::geom
