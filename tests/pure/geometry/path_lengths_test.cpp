#include <gtest/gtest.h>

#include <cmath>

#include "plugin/geometry/divisions.h"
#include "plugin/geometry/path_lengths.h"
#include "pure/geometry_fakes.h"

namespace quill {
namespace {

using testing::Corner;
using testing::FakeBezierService;
using testing::FakePath;

// Five anchors whose segments measure 10, 20, 30, 40 and (closing) 50 points.
FakePath Pentagon(bool closed) {
    return FakePath(
        {Corner(0, 0), Corner(10, 0), Corner(10, 20), Corner(-20, 20), Corner(-20, -20)}, closed);
}

TEST(PathLengths, BetweenAnchorsOpenAndClosed) {
    // The closing segment from (−20, −20) to (0, 0) is 20√2 long.
    const float closing = std::sqrt(800.0f);
    FakeBezierService service;
    struct Row {
        bool closed;
        int a, b;
        float expected;
    };
    const Row rows[] = {
        {false, 2, 2, 0},
        {false, 0, 4, 100},
        {false, 4, 1, 90},  // swapped
        {true, 1, 3, 50},
        {true, 3, 1, 10 + 40 + closing},  // forwards through the closing segment
        {true, 2, 2, 100 + closing},      // whole perimeter
        {true, 0, 0, 100 + closing},
    };
    for (const Row& r : rows) {
        const FakePath path = Pentagon(r.closed);
        EXPECT_NEAR(PathLengthBetween(path, service, r.a, r.b), r.expected, 1e-3)
            << r.closed << " " << r.a << " " << r.b;
    }
}

TEST(PathLengths, PointAtSegmentBoundaryStaysOnEarlierSegment) {
    FakeBezierService service;
    const FakePath path = Pentagon(false);
    const PathPosition atBoundary = PointAtLength(path, service, 30);
    EXPECT_EQ(atBoundary.segment, 1);
    EXPECT_NEAR(atBoundary.t, 1.0f, 1e-6);
    EXPECT_NEAR(atBoundary.point.h, 10, 1e-4);
    EXPECT_NEAR(atBoundary.point.v, 20, 1e-4);
    const PathPosition inside = PointAtLength(path, service, 45);
    EXPECT_EQ(inside.segment, 2);
    EXPECT_POINT_NEAR(inside.point, (Point{-5, 20}), 1e-3);
    EXPECT_NEAR(std::fabs(inside.direction), kPi, 1e-5);
    // A distance past the end by rounding stays at the end.
    const PathPosition end = PointAtLength(path, service, 100.001f);
    EXPECT_EQ(end.segment, 3);
    EXPECT_POINT_NEAR(end.point, (Point{-20, -20}), 1e-3);
}

TEST(PathLengths, DividePathOpenAndClosed) {
    FakeBezierService service;
    const FakePath line({Corner(0, 0), Corner(30, 0)}, false);
    EXPECT_TRUE(DividePath(line, service, 1).empty());
    // A closed square of perimeter 40 in five parts: the last point lies on the closing
    // segment, going down from (0, 10) to (0, 0).
    const FakePath square({Corner(0, 0), Corner(10, 0), Corner(10, 10), Corner(0, 10)}, true);
    const auto points = DividePath(square, service, 5);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[3].segment, 3);
    EXPECT_POINT_NEAR(points[3].point, (Point{0, 8}), 1e-3);
    EXPECT_NEAR(points[3].direction, -kHalfPi, 1e-5);
    // Walking the path once for every point lands each exactly where it lands alone.
    const FakePath pentagon = Pentagon(true);
    const auto sevenths = DividePath(pentagon, service, 7);
    const float step = PathTotalLength(pentagon, service, 1.0, 1.0f) / 7.0f;
    for (std::size_t k = 0; k < sevenths.size(); ++k) {
        const PathPosition alone =
            PointAtLength(pentagon, service, static_cast<float>(k + 1) * step);
        EXPECT_EQ(sevenths[k].segment, alone.segment);
        EXPECT_EQ(sevenths[k].t, alone.t);
        EXPECT_EQ(sevenths[k].point.h, alone.point.h);
        EXPECT_EQ(sevenths[k].point.v, alone.point.v);
    }
}

}  // namespace
}  // namespace quill
