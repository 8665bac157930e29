#include "host/geometry/path_shape.h"

#include <gtest/gtest.h>

#include <cmath>

#include "host/geometry/bezier.h"
#include "host/scripting/script_parser.h"

namespace host::geom {
namespace {

TEST(PathShape, BoundsLengthsAndInside) {
    const auto circle = CircleSegments(0, 0, 50);  // the host's usual circle
    const Box b = CurveBounds(circle, true);
    EXPECT_NEAR(b.left, -50, 1e-4);
    EXPECT_NEAR(b.top, 50, 1e-4);
    // A bulging curve reaches beyond its anchors but not to its control points.
    const std::vector<AIPathSegment> bulge = {{{0, 0}, {0, 0}, {0, 40}, 0},
                                              {{100, 0}, {100, 40}, {100, 0}, 0}};
    EXPECT_NEAR(CurveBounds(bulge, false).top, 30, 1e-4);
    const auto lengths = AccumulatedLengths(circle);
    ASSERT_EQ(lengths.size(), 4u);
    EXPECT_EQ(lengths[0], 0);
    EXPECT_NEAR(lengths[3], 3 * Length(SegmentCubic(circle, 0)), 1e-9);
    EXPECT_TRUE(Encloses(circle, true, {10, 10}, false));
    EXPECT_FALSE(Encloses(circle, true, {40, 40}, false));
    // An open path encloses as if closed by a straight line.
    EXPECT_TRUE(Encloses(bulge, false, {50, 10}, false));
    EXPECT_FALSE(Encloses(bulge, false, {50, -1}, false));
    // A square inside a square drawn the same way: nonzero fills the middle, even–odd not.
    auto corner = [](float x, float y) { return AIPathSegment{{x, y}, {x, y}, {x, y}, 1}; };
    const std::vector<AIPathSegment> twice = {corner(0, 0),   corner(10, 0), corner(10, 10),
                                              corner(0, 10),  corner(0, 0),  corner(10, 0),
                                              corner(10, 10), corner(0, 10)};
    EXPECT_TRUE(Encloses(twice, true, {5, 5}, false));
    EXPECT_FALSE(Encloses(twice, true, {5, 5}, true));
}

}  // namespace
}  // namespace host::geom
