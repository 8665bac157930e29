#include "plugin/geometry/arrow_shapes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quill {
namespace {

TEST(ArrowShape, SevenShapesAsTabled) {
    struct Expected {
        int count;
        bool closed;
        ArrowStyle style;
        float inset;
    };
    const Expected expected[kArrowShapeCount] = {
        {6, true, ArrowStyle::FillStyle, 7},    {3, false, ArrowStyle::StrokeStyle, 0},
        {3, true, ArrowStyle::StrokeStyle, 9},  {3, true, ArrowStyle::FillStyle, 9},
        {4, true, ArrowStyle::FillStyle, 2.5f}, {4, true, ArrowStyle::StrokeStyle, 2.5f},
        {2, false, ArrowStyle::StrokeStyle, 0},
    };
    for (int shape = 0; shape < kArrowShapeCount; ++shape) {
        ArrowShapeTable table;
        ASSERT_TRUE(BuildArrowShape(table, shape, false)) << shape;
        EXPECT_EQ(table.segmentCount, expected[shape].count) << shape;
        EXPECT_EQ(table.closed, expected[shape].closed) << shape;
        EXPECT_EQ(table.style, expected[shape].style) << shape;
        EXPECT_FLOAT_EQ(table.arrowInset, expected[shape].inset) << shape;
    }
}

TEST(ArrowShape, OutlinePoints) {
    ArrowShapeTable table;
    BuildArrowShape(table, 0, false);
    EXPECT_FLOAT_EQ(table.segments[2].p.h, 8.572758f);
    EXPECT_FLOAT_EQ(table.segments[3].p.h, 7.0f);
    EXPECT_FLOAT_EQ(table.segments[5].p.v, -1.0395584f);

    BuildArrowShape(table, 3, false);  // the tip in the middle, the body along +x
    EXPECT_FLOAT_EQ(table.segments[1].p.h, 0.0f);
    EXPECT_NEAR(table.segments[0].p.v, 9 * std::tan(17 * 3.14159265358979 / 180), 1e-6);
    EXPECT_FLOAT_EQ(table.segments[2].p.v, -table.segments[0].p.v);

    BuildArrowShape(table, 4, false);  // a smooth circle of radius 2.5 around the tip
    for (int i = 0; i < 4; ++i) {
        const PathSegment& s = table.segments[i];
        EXPECT_NEAR(std::hypot(s.p.h, s.p.v), 2.5, 1e-6) << i;
        EXPECT_NEAR(std::hypot(s.out.h - s.p.h, s.out.v - s.p.v), 2.5 * 0.5522848, 1e-6) << i;
        EXPECT_FLOAT_EQ(s.in.h - s.p.h, s.p.h - s.out.h) << i;
    }
    EXPECT_FLOAT_EQ(table.segments[1].out.h, 1.3807119f);  // counter-clockwise from (-2.5, 0)
}

TEST(ArrowShape, TickLiesAlongTheLineForTheAngleTool) {
    ArrowShapeTable table;
    BuildArrowShape(table, 6, false);
    EXPECT_FLOAT_EQ(table.segments[0].p.v, 2.4508758f);
    EXPECT_FLOAT_EQ(table.segments[1].p.v, -2.4508758f);
    BuildArrowShape(table, 6, true);
    EXPECT_FLOAT_EQ(table.segments[0].p.h, -4.5f);
    EXPECT_FLOAT_EQ(table.segments[0].p.v, 0.0f);
    EXPECT_FLOAT_EQ(table.segments[1].p.v, 0.0f);
}

}  // namespace
}  // namespace quill
