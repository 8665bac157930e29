#include <gtest/gtest.h>

#include <cmath>

#include "plugin/geometry/vectors.h"
#include "pure/geometry_fakes.h"

namespace quill {
namespace {

TEST(Vectors, CrossAndExactCollinearity) {
    EXPECT_EQ(Cross({0, 0}, {1, 0}, {0, 0}, {0, 1}), 1.0f);  // counter-clockwise turn
    EXPECT_EQ(Cross({0, 0}, {0, 1}, {0, 0}, {1, 0}), -1.0f);
    EXPECT_TRUE(Collinear({0, 0}, {1, 1}, {2, 2}));
    EXPECT_TRUE(Collinear({0, 0}, {0, 0}, {5, 7}));
    // Nearly collinear is not collinear: there is no tolerance.
    EXPECT_FALSE(Collinear({0, 0}, {1, 1}, {2, 2.001f}));
}

TEST(Vectors, ProjectOnLine) {
    EXPECT_POINT_NEAR(ProjectOnLine({3, 5}, {0, 0}, {10, 0}), (Point{3, 0}), 1e-6);
    EXPECT_POINT_NEAR(ProjectOnLine({0, 2}, {0, 0}, {2, 2}), (Point{1, 1}), 1e-6);
    const Point degenerate = ProjectOnLine({1, 1}, {2, 2}, {2, 2});
    EXPECT_FALSE(std::isfinite(degenerate.h));
}

TEST(Vectors, LineIntersectionTakesVerticalBranches) {
    struct Row {
        Point a, b, c, d, expected;
    };
    const Row rows[] = {
        {{0, 0}, {4, 4}, {0, 4}, {4, 0}, {2, 2}},   // two slopes
        {{3, -1}, {3, 9}, {0, 1}, {2, 3}, {3, 4}},  // first line vertical
        {{0, 1}, {2, 3}, {3, -1}, {3, 9}, {3, 4}},  // second line vertical
        {{0, 5}, {10, 5}, {2, 0}, {2, 1}, {2, 5}},  // horizontal and vertical
    };
    for (const Row& r : rows)
        EXPECT_POINT_NEAR(LineIntersection(r.a, r.b, r.c, r.d), r.expected, 1e-5);
    // Parallel lines are not detected: the caller tests them first.
    const Point parallel = LineIntersection({0, 0}, {1, 1}, {0, 1}, {1, 2});
    EXPECT_FALSE(std::isfinite(parallel.h) && std::isfinite(parallel.v));
}

TEST(Vectors, SegmentsCrossOnlyStrictlyInside) {
    struct Row {
        Point a, b, c, d;
        bool crosses;
    };
    const Row rows[] = {
        {{0, 0}, {4, 4}, {0, 4}, {4, 0}, true},
        {{0, 0}, {4, 4}, {4, 4}, {8, 0}, false},   // sharing an end point
        {{0, 0}, {4, 0}, {2, 0}, {2, 3}, false},   // one ends on the other
        {{0, 0}, {4, 0}, {1, 0}, {6, 0}, false},   // parallel, overlapping
        {{0, 0}, {4, 0}, {0, 1}, {4, 1}, false},   // parallel
        {{0, 0}, {1, 1}, {3, 0}, {0, 3}, false},   // lines cross beyond AB
        {{0, 0}, {0, 0}, {-1, 0}, {1, 0}, false},  // degenerate
    };
    for (const Row& r : rows) EXPECT_EQ(SegmentsCross(r.a, r.b, r.c, r.d), r.crosses);
}

}  // namespace
}  // namespace quill
