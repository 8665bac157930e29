#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "plugin/geometry/areas.h"
#include "pure/geometry_fakes.h"

namespace quill {
namespace {

using testing::Corner;
using testing::FakePath;
using Kind = PolygonAreaResult::Kind;

FakePath Polygon(std::vector<Point> points, bool closed = true) {
    std::vector<PathSegment> anchors;
    for (Point p : points) anchors.push_back(Corner(p.h, p.v));
    return FakePath(anchors, closed);
}

TEST(PolygonArea, AreasCrossingsAndRefusals) {
    struct Row {
        const char* what;
        std::vector<Point> points;
        Kind kind;
        double area;
    };
    const std::vector<Row> rows = {
        {"square ccw", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, Kind::Area, 100},
        {"square cw", {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, Kind::Area, 100},
        {"bow-tie", {{0, 0}, {10, 10}, {10, 0}, {0, 10}}, Kind::Crossed, 0},
        {"concave", {{0, 0}, {10, 0}, {5, 2}, {5, 10}}, Kind::Area, 30},
        {"touching edges", {{0, 0}, {10, 0}, {10, 10}, {5, 0}, {0, 10}}, Kind::Area, 50},
    };
    for (const Row& row : rows) {
        const PolygonAreaResult result = PolygonArea(Polygon(row.points));
        EXPECT_EQ(result.kind, row.kind) << row.what;
        if (row.kind == Kind::Area) {
            EXPECT_NEAR(result.area, row.area, 1e-4) << row.what;
        }
    }
}

TEST(PolygonArea, OpenOrCurvedPathsHaveNone) {
    EXPECT_EQ(PolygonArea(Polygon({{0, 0}, {10, 0}, {10, 10}}, false)).kind, Kind::None);
    std::vector<PathSegment> curved = {Corner(0, 0), Corner(10, 0), Corner(10, 10)};
    curved[1].out = {12, 3};
    EXPECT_EQ(PolygonArea(FakePath(curved, true)).kind, Kind::None);
    curved = {Corner(0, 0), Corner(10, 0), Corner(10, 10)};
    curved[0].in = {-1, 0};  // the closing segment's end is not retracted
    EXPECT_EQ(PolygonArea(FakePath(curved, true)).kind, Kind::None);
}

}  // namespace
}  // namespace quill
