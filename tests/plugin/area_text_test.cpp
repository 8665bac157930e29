#include "plugin/geometry/area_text.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/geometry_fakes.h"

namespace quill {
namespace {

testing::FakePath Polygon(std::vector<Point> points, bool closed = true) {
    std::vector<PathSegment> anchors;
    for (Point p : points) anchors.push_back({p, p, p, true});
    return testing::FakePath(anchors, closed);
}

std::string AreaText(const testing::FakePath& path, SettingsRecord settings) {
    LabelText text;
    return PolygonAreaText(path, settings, text) ? std::string(text.c_str()) : "<none>";
}

TEST(AreaText, UnitsScaleCrossingAndOpenPaths) {
    SettingsRecord s;
    s.unit = 3;  // decimal inches
    s.precision = 2;
    const testing::FakePath inchSquare = Polygon({{0, 0}, {72, 0}, {72, 72}, {0, 72}});
    EXPECT_EQ(AreaText(inchSquare, s), "1 po2");
    s.unit = 6;
    s.scaleNumerator = 2;
    s.scaleFactor = 2;  // every area is divided by 4
    EXPECT_EQ(AreaText(inchSquare, s), "1 296 pt2");
    s.unit = 10;
    EXPECT_EQ(AreaText(inchSquare, s), "<none>");
    EXPECT_EQ(AreaText(Polygon({{0, 0}, {10, 10}, {10, 0}, {0, 10}}), s), "Polygone crois\xE9");
    s.unit = 1;
    EXPECT_EQ(AreaText(Polygon({{0, 0}, {72, 0}, {72, 72}}, false), s), "<none>");
    LabelText text;
    EXPECT_FALSE(FormatArea(Polygon({{0, 0}, {1, 0}}, false), 10, true, s, text));
    EXPECT_TRUE(FormatArea(Polygon({{0, 0}, {1, 0}}, false), 5184, false, s, text));
    EXPECT_STREQ(text.c_str(), "161,29 mm2");  // 645.16 / 4 at scale 2
}

}  // namespace
}  // namespace quill
