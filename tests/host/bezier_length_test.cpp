#include "host/geometry/bezier_length.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace host::geom {
namespace {

// The length as a dense polyline measures it: an independent, slowly converging sum.
double PolylineLength(const Cubic& c, double t, int steps) {
    double sum = 0;
    Vec previous = c.p0;
    for (int k = 1; k <= steps; ++k) {
        const Vec p = Evaluate(c, t * k / steps);
        sum += std::hypot(p.x - previous.x, p.y - previous.y);
        previous = p;
    }
    return sum;
}

TEST(BezierLength, AgreesWithDensePolylinesOnRandomCurves) {
    std::mt19937 random(42);
    std::uniform_real_distribution<double> coordinate(0, 1000);
    for (int i = 0; i < 200; ++i) {
        Cubic c{{coordinate(random), coordinate(random)},
                {coordinate(random), coordinate(random)},
                {coordinate(random), coordinate(random)},
                {coordinate(random), coordinate(random)}};
        // A polyline of 200,000 chords is short of the arc by well under 1e-4 point here.
        EXPECT_NEAR(Length(c), PolylineLength(c, 1, 200000), 1e-4) << i;
        const double total = Length(c);
        const double target = total * (i % 10 + 0.5) / 10;
        const double t = TAtLength(c, target);
        EXPECT_NEAR(LengthTo(c, t), target, 1e-8) << i;
    }
}

TEST(BezierLength, CuspsLinesAndPoints) {
    // A cusp: the curve goes out and comes back along a line, speed zero at t = 1/2.
    const Cubic cusp{{0, 0}, {100, 0}, {0, 0}, {100, 0}};
    EXPECT_NEAR(Length(cusp), PolylineLength(cusp, 1, 400000), 1e-5);
    const Cubic line{{0, 0}, {0, 0}, {30, 40}, {30, 40}};
    EXPECT_NEAR(Length(line), 50, 1e-12);
    EXPECT_NEAR(TAtLength(line, 25), 0.5, 1e-12);
    const Cubic point{{7, 7}, {7, 7}, {7, 7}, {7, 7}};
    EXPECT_EQ(Length(point), 0);
    EXPECT_EQ(TAtLength(point, 1), 1);
    EXPECT_EQ(TAtLength(line, -1), 0);
    EXPECT_EQ(TAtLength(line, 60), 1);
    // The pieces cover [0, t] in order and add up to the length.
    const auto pieces = LengthPieces(cusp, 1);
    ASSERT_FALSE(pieces.empty());
    double sum = 0, at = 0;
    for (const LengthPiece& piece : pieces) {
        EXPECT_EQ(piece.t0, at);
        at = piece.t1;
        sum += piece.length;
    }
    EXPECT_EQ(at, 1);
    EXPECT_NEAR(sum, Length(cusp), 1e-12);
}

TEST(BezierLength, ParameterAtLengthAcrossPieces) {
    // A near-cusp, a loop and a long curve: several pieces, rules of every size; and one
    // piece whose speed nearly vanishes inside, sought just short of its end.
    const Cubic curves[] = {
        {{0, 0}, {100, 0}, {0, 0.01}, {100, 0}},
        {{0, 0}, {300, 200}, {-200, 200}, {100, 0}},
        {{0, 0}, {5000, 3000}, {-2000, 4000}, {3000, 0}},
        {{0, 0}, {66.64787923937071, 0}, {58.070907037595475, 5.5e-7}, {100, 0}}};
    for (const Cubic& c : curves) {
        const double total = Length(c);
        double previous = 0;
        for (int k = 1; k <= 64; ++k) {
            const double s = total * (k < 64 ? k / 64.0 : 1 - 1e-12), t = TAtLength(c, s);
            EXPECT_NEAR(LengthTo(c, t), s, 1e-8 * std::max(1.0, total / 1000)) << k;
            EXPECT_GT(t, previous);
            previous = t;
        }
        // Where a piece ends, and the curve's own length, give the end exactly.
        double before = 0;
        for (const LengthPiece& piece : LengthPieces(c, 1)) {
            before += piece.length;
            EXPECT_NEAR(TAtLength(c, before), piece.t1, 1e-12);
        }
        EXPECT_EQ(TAtLength(c, total), 1);
    }
}

TEST(BezierLength, ParameterAtLengthOnLinesAndAtAnyScale) {
    // Along a line whose handles only slow it down, the length is how far x has gone.
    for (double h1 : {0.0, 10.0, 50.0, 100.0})
        for (double h2 : {h1, 70.0, 100.0}) {
            const Cubic line{{0, 5}, {h1, 5}, {std::max(h1, h2), 5}, {100, 5}};
            for (int k = 1; k < 16; ++k)
                EXPECT_NEAR(Evaluate(line, TAtLength(line, 100.0 * k / 16)).x, 100.0 * k / 16, 1e-9)
                    << h1 << " " << h2 << " " << k;
        }
    // The same loop drawn a thousand times smaller and ten thousand times larger.
    const Cubic loop{{0, 0}, {30, 20}, {-20, 20}, {10, 0}};
    for (double scale : {1e-3, 1e4}) {
        const Cubic c{{0, 0}, {30 * scale, 20 * scale}, {-20 * scale, 20 * scale}, {10 * scale, 0}};
        for (double fraction : {1e-9, 0.3, 0.7, 1 - 1e-9}) {
            const double s = Length(loop) * fraction;
            EXPECT_NEAR(TAtLength(c, s * scale), TAtLength(loop, s), 1e-9) << scale;
        }
    }
}

TEST(BezierLength, TangentAtRetractedEndsFollowsTheCurve) {
    const Cubic line{{0, 0}, {0, 0}, {30, 40}, {30, 40}};
    for (double t : {0.0, 1.0}) {
        const Vec v = TangentVector(line, t);
        EXPECT_GT(v.x, 0) << t;
        EXPECT_NEAR(v.y / v.x, 40.0 / 30.0, 1e-12) << t;
    }
    const Vec inside = TangentVector(line, 0.5);
    EXPECT_NEAR(inside.y / inside.x, 40.0 / 30.0, 1e-12);
}

}  // namespace
}  // namespace host::geom
