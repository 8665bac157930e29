#include "plugin/geometry/divisions.h"

#include <cmath>

#include "plugin/geometry/vectors.h"

namespace quill {

namespace {

// Half a centred mark, in points.
float HalfMark(float lengthMm) {
    return lengthMm * kPointsPerMillimetre * 0.5f;
}

Point Rotated(Point local, float theta) {
    const float c = std::cos(theta), s = std::sin(theta);
    return {local.h * c - local.v * s, local.h * s + local.v * c};
}

}  // namespace

Mark PerpendicularMark(Point p, float theta, float lengthMm, bool oneSided, bool rightSide) {
    const float h = HalfMark(lengthMm);
    const Point left = p + PolarVector(h, theta + kHalfPi);
    const Point right = p + PolarVector(h, theta - kHalfPi);
    if (!oneSided) return {left, right};
    return {rightSide ? right : left, p};
}

Mark StraightSegmentMark(Point p, float theta, float lengthMm, bool oneSided, bool rightSide) {
    const float h = HalfMark(lengthMm);
    Point from{0, h}, to{0, -h};
    if (oneSided) {
        from = {0, rightSide ? -h : h};
        to = {0, 0};
    }
    return {p + Rotated(from, theta), p + Rotated(to, theta)};
}

std::vector<PathPosition> DividePath(const PathReader& path, const BezierService& service,
                                     int parts) {
    if (parts < 2) return {};
    const float total = PathTotalLength(path, service, 1.0, 1.0f);
    const float step = total / static_cast<float>(parts);
    std::vector<float> distances;
    for (int k = 1; k < parts; ++k) distances.push_back(static_cast<float>(k) * step);
    return PointsAtLengths(path, service, distances);
}

std::vector<Point> DivideSegment(Point a, Point b, int parts) {
    std::vector<Point> points;
    const float length = PointDistance(a, b);
    const float direction = DirectionAngle(a, b);
    for (int k = 1; k < parts; ++k) {
        const float along = length * static_cast<float>(k) / static_cast<float>(parts);
        points.push_back(a + PolarVector(along, direction));
    }
    return points;
}

std::vector<float> DivideAngle(float alpha, float delta, int parts, bool outer) {
    std::vector<float> directions;
    const float n = static_cast<float>(parts);
    const float reflexStep = (static_cast<float>(kTwoPi) - std::fabs(delta)) / n;
    for (int k = 1; k < parts; ++k) {
        const float kf = static_cast<float>(k);
        if (!outer)
            directions.push_back(alpha - kf * delta / n);
        else
            directions.push_back(delta >= 0 ? alpha + kf * reflexStep : alpha - kf * reflexStep);
    }
    return directions;
}

Point RayEnd(Point vertex, float direction, float lengthMm) {
    return vertex + PolarVector(HalfMark(lengthMm), direction);
}

}  // namespace quill
