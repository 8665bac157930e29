#include "host/geometry/bezier.h"

#include "host/geometry/nearest_point.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <random>

namespace host::geom {
namespace {

// ½∮(x dy − y dx) over the path's segments by Gauss–Legendre quadrature, five nodes on
// each of 64 pieces of every segment: a reference that owes nothing to the closed form.
double QuadratureArea(const std::vector<AIPathSegment>& segments) {
    const double nodes[5] = {0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640,
                             0.9061798459386640};
    const double weights[5] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665,
                               0.2369268850561891, 0.2369268850561891};
    constexpr int kPieces = 64;
    double area = 0;
    for (int i = 0; i < static_cast<int>(segments.size()); ++i) {
        const Cubic c = SegmentCubic(segments, i);
        for (int piece = 0; piece < kPieces; ++piece)
            for (int k = 0; k < 5; ++k) {
                const double t = (piece + 0.5 + nodes[k] / 2) / kPieces;
                const Vec p = Evaluate(c, t), d = Derivative(c, t);
                area += weights[k] / 2 / kPieces * (p.x * d.y - p.y * d.x) / 2;
            }
    }
    return area;
}

TEST(Bezier, PathAreaIsExactForCubics) {
    // The host's circle of radius r: r²·(12k + 10 − 3k²)/5 by the closed form.
    const double k = 0.5522847771644592, r = 36;
    const float h = static_cast<float>(k * r);
    const std::vector<AIPathSegment> circle = {{{36, 0}, {36, -h}, {36, h}, 0},
                                               {{0, 36}, {h, 36}, {-h, 36}, 0},
                                               {{-36, 0}, {-36, h}, {-36, -h}, 0},
                                               {{0, -36}, {-h, -36}, {h, -36}, 0}};
    const double handle = h;  // k·r as the path holds it
    EXPECT_NEAR(SignedArea(circle), (12 * handle * r + 10 * r * r - 3 * handle * handle) / 5, 1e-9);
    // Paths of curved and straight segments, crossing themselves or not.
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(-500, 500);
    for (int path = 0; path < 20; ++path) {
        std::vector<AIPathSegment> segments(static_cast<std::size_t>(2 + path % 6));
        for (AIPathSegment& s : segments) {
            s.p = {coordinate(random), coordinate(random)};
            s.in = path % 3 ? AIRealPoint{coordinate(random), coordinate(random)} : s.p;
            s.out = {coordinate(random), coordinate(random)};
        }
        const double reference = QuadratureArea(segments);
        EXPECT_NEAR(SignedArea(segments), reference, 1e-9 * std::max(1.0, std::fabs(reference)));
    }
}

TEST(Bezier, ACurveOfCoordinatesBeyondAFloatIsNotSearchedForever) {
    // 3.5e38 is a double, not a float: its bounds are not numbers. The search gives the
    // curve up instead of halving it to the bottom.
    const float beyond = static_cast<float>(3.5e38);
    const Cubic curve{{100, 100}, {100, 100}, {beyond, 100}, {beyond, 100}};
    EXPECT_FALSE(Nearest(curve, {150, 100}, 4).has_value());
}

TEST(Bezier, CrossingsNearAPointAreThoseOfTheWholeCurvesThere) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> at(0, 100), reach(1, 40);
    auto point = [&] { return Vec{at(random), at(random)}; };
    auto within = [](const Cubic& a, const std::vector<std::pair<double, double>>& crossings,
                     Vec centre, double r) {
        std::vector<std::pair<double, double>> kept;
        for (const auto& crossing : crossings) {
            const Vec p = Evaluate(a, crossing.first);
            if (std::hypot(p.x - centre.x, p.y - centre.y) <= r) kept.push_back(crossing);
        }
        return kept;
    };
    int found = 0;
    for (int i = 0; i < 400; ++i) {
        const Cubic a{point(), point(), point(), point()}, b{point(), point(), point(), point()};
        const Vec centre = point();
        const double r = reach(random);
        const auto all = within(a, Intersections(a, b), centre, r);
        EXPECT_EQ(within(a, IntersectionsNear(a, b, centre, r), centre, r), all) << i;
        found += static_cast<int>(all.size());
    }
    EXPECT_GT(found, 50);
}

}  // namespace
}  // namespace host::geom
