#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plugin/geometry/angles.h"
#include "plugin/geometry/arcs.h"
#include "pure/geometry_fakes.h"

namespace quill {
namespace {

using testing::Corner;

// The host's usual four-segment circle, counter-clockwise from (cx + rx, cy); an ellipse
// when rx ≠ ry.
std::vector<PathSegment> FourArcEllipse(float cx, float cy, float rx, float ry) {
    const float kx = static_cast<float>(kCircleHandle) * rx;
    const float ky = static_cast<float>(kCircleHandle) * ry;
    return {{{cx + rx, cy}, {cx + rx, cy - ky}, {cx + rx, cy + ky}, false},
            {{cx, cy + ry}, {cx + kx, cy + ry}, {cx - kx, cy + ry}, false},
            {{cx - rx, cy}, {cx - rx, cy + ky}, {cx - rx, cy - ky}, false},
            {{cx, cy - ry}, {cx - kx, cy - ry}, {cx + kx, cy - ry}, false}};
}

// The synthetic records the hit-test classification builds from a Bézier.
bool HoverArc(const Bezier& b, Circle* circle) {
    const PathSegment a{b.p0, b.p0, b.p1, true}, end{b.p3, b.p2, b.p3, true};
    return IsCircularArc(a, end, false, &circle->centre, &circle->radius);
}

// The path's own records, and the closing segment backwards from anchor 0 (an arc under
// the pointer is the hover scenario's).
TEST(Arcs, FourSegmentCircleIsRecognisedFromItsRecords) {
    const auto circle = FourArcEllipse(50, -20, 100, 100);
    Point centre;
    float radius = 0;
    EXPECT_TRUE(IsCircularArc(circle[0], circle[1], false, &centre, &radius));
    EXPECT_POINT_NEAR(centre, (Point{50, -20}), 1e-3);
    EXPECT_TRUE(IsCircularArc(circle[0], circle[3], true, &centre, &radius));
    EXPECT_NEAR(radius, 100, 1e-3);
}

TEST(Arcs, EllipseIsAnArcOnlyWithinOnePoint) {
    const auto slight = FourArcEllipse(0, 0, 100, 99.5f);
    EXPECT_TRUE(IsCircularArc(slight[0], slight[1], false));
    const auto flattened = FourArcEllipse(0, 0, 100, 90);
    EXPECT_FALSE(IsCircularArc(flattened[0], flattened[1], false));
}

TEST(Arcs, RetractedEndsAndStraightTangentsAreNotArcs) {
    // One control point on its anchor: the synthetic start record is fully retracted.
    Circle found;
    EXPECT_FALSE(HoverArc({{0, 0}, {0, 0}, {50, 100}, {100, 0}}, &found));
    EXPECT_FALSE(HoverArc({{0, 0}, {0, 50}, {100, 0}, {100, 0}}, &found));
    // A loop whose ends meet: the circle shrinks to the anchor.
    EXPECT_FALSE(HoverArc({{0, 0}, {50, 50}, {-50, 50}, {0, 0}}, &found));
}

TEST(Arcs, AngleVertexNeedsTwoStraightSegments) {
    const PathSegment previous = Corner(0, 0), vertex = Corner(10, 0), next = Corner(10, 10);
    EXPECT_TRUE(IsAngleVertex(previous, vertex, next));
    PathSegment curvedPrevious = previous;
    curvedPrevious.out = {3, 3};
    EXPECT_FALSE(IsAngleVertex(curvedPrevious, vertex, next));
    PathSegment smoothVertex = vertex;
    smoothVertex.in = {9, 0};
    EXPECT_FALSE(IsAngleVertex(previous, smoothVertex, next));
    PathSegment curvedNext = next;
    curvedNext.in = {10, 9.999f};
    EXPECT_FALSE(IsAngleVertex(previous, vertex, curvedNext));
}

TEST(Angles, SignedOpeningAndVertex) {
    const Angle right = AngleFromVertex({0, 0}, {10, 0}, {0, -10});
    EXPECT_NEAR(right.opening, kHalfPi, 1e-6);  // clockwise from S1 to S2: positive
    const Angle left = AngleFromVertex({0, 0}, {10, 0}, {0, 10});
    EXPECT_NEAR(left.opening, -kHalfPi, 1e-6);
    EXPECT_NEAR(AngleFromVertex({0, 0}, {5, 0}, {7, 0}).opening, 0, 1e-6);
    const Angle arc = AngleFromArc({0, 0}, {0, 10}, {10, 0});
    EXPECT_NEAR(arc.opening, kHalfPi, 1e-6);
}

}  // namespace
}  // namespace quill
