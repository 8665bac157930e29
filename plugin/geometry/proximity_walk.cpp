#include "plugin/geometry/proximity_walk.h"

#include <algorithm>
#include <cmath>

#include "plugin/geometry/arcs.h"
#include "plugin/geometry/vectors.h"

namespace quill {

namespace {

constexpr float kSampleStep = 0.001f;
// Single-precision samples may stray from the control polygon's bounds by a few units in
// the last place of the coordinates; grow the bounds by more than that.
constexpr float kAbsoluteMargin = 1e-3f;
constexpr float kRelativeMargin = 1e-5f;

float Margin(float magnitude) {
    return kAbsoluteMargin + kRelativeMargin * magnitude;
}

ProximityHit AnchorHit(const Bezier& b, int segment, int anchor, bool atStart) {
    ProximityHit hit;
    hit.kind = ProximityHit::Kind::Anchor;
    hit.segment = segment;
    hit.anchor = anchor;
    hit.t = atStart ? 0.0f : 1.0f;
    hit.point = atStart ? b.p0 : b.p3;
    // The tangent from two samples at that end of the segment, along the segment.
    const Point near = BezierPoint(b, atStart ? kSampleStep : 1.0f - kSampleStep);
    hit.direction = atStart ? DirectionAngle(b.p0, near) : DirectionAngle(near, b.p3);
    return hit;
}

std::optional<ProximityHit> HitOnSegment(const std::vector<PathSegment>& anchors, int segment,
                                         Point pointer, float tolerance,
                                         const PointCloseness& close) {
    const int n = static_cast<int>(anchors.size());
    const Bezier b = RecordBezier(anchors, segment);
    if (close(pointer, b.p0, tolerance)) return AnchorHit(b, segment, segment, true);
    if (close(pointer, b.p3, tolerance)) return AnchorHit(b, segment, (segment + 1) % n, false);
    for (float t = 0; t < 1.0f; t += kSampleStep) {
        const Point sample = BezierPoint(b, t);
        if (PointDistance(sample, pointer) < tolerance) {
            ProximityHit hit;
            hit.segment = segment;
            hit.t = t;
            hit.point = sample;
            hit.direction = DirectionAngle(sample, BezierPoint(b, t + kSampleStep));
            return hit;
        }
    }
    return std::nullopt;
}

}  // namespace

bool PointsCloseOnBothAxes(Point a, Point b, float tolerance) {
    return std::fabs(a.h - b.h) <= tolerance && std::fabs(a.v - b.v) <= tolerance;
}

Bezier RecordBezier(const std::vector<PathSegment>& anchors, int segment) {
    const std::size_t n = anchors.size();
    const PathSegment& a = anchors[static_cast<std::size_t>(segment) % n];
    const PathSegment& b = anchors[(static_cast<std::size_t>(segment) + 1) % n];
    return {a.p, a.out, b.in, b.p};
}

std::optional<ProximityHit> FirstHitOnPath(const std::vector<PathSegment>& anchors, bool closed,
                                           Point pointer, float tolerance,
                                           const PointCloseness& close,
                                           const std::vector<int>* segments) {
    const int n = static_cast<int>(anchors.size());
    const int count = n < 2 ? 0 : (closed ? n : n - 1);
    if (segments) {
        for (int i : *segments)
            if (i >= 0 && i < count)
                if (auto hit = HitOnSegment(anchors, i, pointer, tolerance, close)) return hit;
        return std::nullopt;
    }
    for (int i = 0; i < count; ++i)
        if (auto hit = HitOnSegment(anchors, i, pointer, tolerance, close)) return hit;
    return std::nullopt;
}

bool SegmentMayBeNear(const Bezier& b, Point pointer, float tolerance) {
    const float left = std::min({b.p0.h, b.p1.h, b.p2.h, b.p3.h});
    const float right = std::max({b.p0.h, b.p1.h, b.p2.h, b.p3.h});
    const float bottom = std::min({b.p0.v, b.p1.v, b.p2.v, b.p3.v});
    const float top = std::max({b.p0.v, b.p1.v, b.p2.v, b.p3.v});
    const float grow =
        tolerance +
        Margin(std::max({std::fabs(left), std::fabs(right), std::fabs(bottom), std::fabs(top)}));
    return pointer.h >= left - grow && pointer.h <= right + grow && pointer.v >= bottom - grow &&
           pointer.v <= top + grow;
}

float CandidateRadius(float tolerance, Point pointer) {
    // Bounds that the pointer lies near have coordinates near the pointer's.
    const float magnitude = std::max(std::fabs(pointer.h), std::fabs(pointer.v)) + tolerance;
    return tolerance + 2.0f * Margin(magnitude);
}

}  // namespace quill
