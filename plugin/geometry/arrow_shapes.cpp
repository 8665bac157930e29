#include "plugin/geometry/arrow_shapes.h"

#include <initializer_list>

namespace quill {
namespace {

// Half the width of the V and triangle shapes: 9 × tan(17°).
constexpr float kTriangleHalfWidth = 2.7515761f;
constexpr float kTriangleLength = 9.0f;
constexpr float kDotRadius = 2.5f;
constexpr float kDotHandle = 1.3807119f;  // 2.5 × 0.5522848, a four-arc circle's handle
constexpr float kTickHalfLength = 4.5f;
constexpr float kTickHalfRise = 2.4508758f;

PathSegment Corner(float h, float v) {
    const Point p{h, v};
    return PathSegment{p, p, p, true};
}

PathSegment Smooth(Point anchor, Point in, Point out) {
    return PathSegment{anchor, in, out, false};
}

void SetOutline(ArrowShapeTable& table, std::initializer_list<PathSegment> segments, bool closed,
                ArrowStyle style, float inset) {
    table.segmentCount = 0;
    for (const PathSegment& segment : segments) table.segments[table.segmentCount++] = segment;
    table.closed = closed;
    table.style = style;
    table.arrowInset = inset;
}

void SetTriangle(ArrowShapeTable& table, bool closed, ArrowStyle style, float inset) {
    SetOutline(table,
               {Corner(kTriangleLength, kTriangleHalfWidth), Corner(0, 0),
                Corner(kTriangleLength, -kTriangleHalfWidth)},
               closed, style, inset);
}

void SetDot(ArrowShapeTable& table, ArrowStyle style) {
    const float r = kDotRadius, k = kDotHandle;
    SetOutline(table,
               {Smooth({-r, 0}, {-r, -k}, {-r, k}), Smooth({0, r}, {-k, r}, {k, r}),
                Smooth({r, 0}, {r, k}, {r, -k}), Smooth({0, -r}, {k, -r}, {-k, -r})},
               true, style, kDotRadius);
}

}  // namespace

bool BuildArrowShape(ArrowShapeTable& table, std::int32_t shape, bool angleToolCurrent) {
    switch (shape) {
        case 0:  // a barbed arrow notched at x = 7
            SetOutline(
                table,
                {Corner(0, 0), Corner(4.890738f, 1.0395584f), Corner(8.572758f, 2.602483f),
                 Corner(7, 0), Corner(8.572758f, -2.602483f), Corner(4.890738f, -1.0395584f)},
                true, ArrowStyle::FillStyle, 7);
            return true;
        case 1:
            SetTriangle(table, false, ArrowStyle::StrokeStyle, 0);
            return true;
        case 2:
            SetTriangle(table, true, ArrowStyle::StrokeStyle, kTriangleLength);
            return true;
        case 3:
            SetTriangle(table, true, ArrowStyle::FillStyle, kTriangleLength);
            return true;
        case 4:
            SetDot(table, ArrowStyle::FillStyle);
            return true;
        case 5:
            SetDot(table, ArrowStyle::StrokeStyle);
            return true;
        case 6: {
            // Across the line; along it for the angle tool, whose line is an arc.
            const float rise = angleToolCurrent ? 0.0f : kTickHalfRise;
            SetOutline(table, {Corner(-kTickHalfLength, rise), Corner(kTickHalfLength, -rise)},
                       false, ArrowStyle::StrokeStyle, 0);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace quill
