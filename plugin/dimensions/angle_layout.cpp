#include "plugin/dimensions/angle_layout.h"

#include <cmath>

#include "plugin/geometry/vectors.h"

namespace quill {

namespace {

// The chord's middle this near the vertex, relative to the radius, puts the vertex on the
// chord: the arc's anchors come from rounded sines and cosines.
constexpr float kOnChord = 1e-5f;

}  // namespace

float ArrowRoom(float arrowLength, float radius, ArrowDirection arrows, bool reflex) {
    const bool outward = arrows == ArrowDirection::Outward;
    if (outward != reflex || radius <= 0) return 0;
    return 2 * std::atan(arrowLength / (2 * radius));
}

AngleArcPlan PlanAngleArc(float opening, float firstDirection, float arrowRoom, bool reflex) {
    AngleArcPlan plan;
    if ((opening > 0 && reflex) || (opening < 0 && !reflex)) {
        plan.sweep = opening + 2 * arrowRoom;
        plan.start = firstDirection + arrowRoom;
    } else {
        plan.sweep = opening - 2 * arrowRoom;
        plan.start = firstDirection - arrowRoom;
    }
    plan.arrowStart = plan.start;
    plan.arrowSweep = plan.sweep;
    const float size = std::fabs(plan.sweep);
    if (!reflex) {
        plan.sections = size > kHalfPi ? 2 : 1;
    } else if (size <= kHalfPi) {
        plan.sections = 4;
        plan.way = ArcWay::OtherWay;
    } else if (size == kPi) {
        // A half turn is drawn by its sweep, on the side the opening's sign leaves free.
        plan.sections = 2;
        if (opening == -kPi) {
            plan.sweep = kPi - 2 * arrowRoom;
            plan.start = firstDirection - arrowRoom;
        } else {
            plan.sweep = 2 * arrowRoom - kPi;
            plan.start = firstDirection + arrowRoom;
        }
    } else if (plan.sweep >= -kPi) {
        plan.sections = 3;
        plan.way = ArcWay::OtherWay;
    } else {
        plan.sections = 2;
        plan.sweep += static_cast<float>(kTwoPi);
        plan.start = firstDirection - arrowRoom;
    }
    return plan;
}

float AngleLabelDirection(Point vertex, Point first, Point second, Point last, float opening,
                          bool reflex) {
    const Point middle = 0.5f * (first + last);
    if (PointDistance(vertex, middle) <= kOnChord * PointDistance(vertex, first))
        return DirectionAngle(vertex, second);
    const float towardsChord = DirectionAngle(vertex, middle);
    return reflex && std::fabs(opening) != kPi ? towardsChord + kPi : towardsChord;
}

}  // namespace quill
