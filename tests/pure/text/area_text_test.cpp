#include "plugin/text/area_text.h"

#include <gtest/gtest.h>

#include <string>

#include "pure/geometry_fakes.h"

namespace quill {
namespace {

testing::FakePath Polygon(std::vector<Point> points, bool closed = true) {
    std::vector<PathSegment> anchors;
    for (Point p : points) anchors.push_back({p, p, p, true});
    return testing::FakePath(anchors, closed);
}

std::string AreaText(const testing::FakePath& path, const MeasureFormat& main) {
    LabelText text;
    return PolygonAreaText(path, main, text) ? std::string(text.c_str()) : "<none>";
}

TEST(AreaText, UnitsScaleCrossingAndOpenPaths) {
    MeasureFormat s;
    s.unit = kDecimalInches;
    s.precision = 2;
    const testing::FakePath inchSquare = Polygon({{0, 0}, {72, 0}, {72, 72}, {0, 72}});
    EXPECT_EQ(AreaText(inchSquare, s), "1 po2");
    s.unit = kPoints;
    s.scaleFactor = 2;  // every area is divided by 4
    EXPECT_EQ(AreaText(inchSquare, s), "1 296 pt2");
    s.unit = kNoUnit;
    EXPECT_EQ(AreaText(inchSquare, s), "<none>");
    EXPECT_EQ(AreaText(Polygon({{0, 0}, {10, 10}, {10, 0}, {0, 10}}), s), "Polygone crois\xE9");
    s.unit = kMillimetres;
    EXPECT_EQ(AreaText(Polygon({{0, 0}, {72, 0}, {72, 72}}, false), s), "<none>");
    LabelText text;
    EXPECT_FALSE(FormatArea(Polygon({{0, 0}, {1, 0}}, false), 10, true, s, text));
    EXPECT_TRUE(FormatArea(Polygon({{0, 0}, {1, 0}}, false), 5184, false, s, text));
    EXPECT_STREQ(text.c_str(), "161,29 mm2");  // 645.16 / 4 at scale 2
}

}  // namespace
}  // namespace quill
