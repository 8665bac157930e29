// Shared helpers of the geometry tests: point comparison and exact fakes of the host's
// path and Bézier services.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plugin/geometry/services.h"
#include "plugin/geometry/types.h"

#define EXPECT_POINT_NEAR(a, b, eps)             \
    do {                                         \
        EXPECT_NEAR((a).h, (b).h, (eps)) << "h"; \
        EXPECT_NEAR((a).v, (b).v, (eps)) << "v"; \
    } while (0)

namespace quill::testing {

constexpr int kFakeSteps = 20000;

inline PathSegment Corner(float h, float v) {
    return {{h, v}, {h, v}, {h, v}, true};
}

/// A path held in memory; lengths by dense integration, as an exact host would give.
class FakePath : public PathReader {
 public:
    FakePath(std::vector<PathSegment> anchors, bool closed)
        : anchors_(std::move(anchors)), closed_(closed) {}
    int AnchorCount() const override { return static_cast<int>(anchors_.size()); }
    bool Closed() const override { return closed_; }
    PathSegment Anchor(int i) const override { return anchors_.at(static_cast<std::size_t>(i)); }
    Bezier SegmentBezier(int i) const override {
        const auto n = anchors_.size();
        const PathSegment& a = anchors_.at(static_cast<std::size_t>(i));
        const PathSegment& b = anchors_.at((static_cast<std::size_t>(i) + 1) % n);
        return {a.p, a.out, b.in, b.p};
    }
    float MeasuredOpenLength() const override;
    float Area() const override { return 0; }

 private:
    std::vector<PathSegment> anchors_;
    bool closed_;
};

/// Bézier service by dense sampling in double precision: accurate to far below a point.
class FakeBezierService : public BezierService {
 public:
    float Length(const Bezier& b, float) const override {
        return static_cast<float>(LengthTo(b, 1.0));
    }
    float TAtLength(const Bezier& b, float length, float, float) const override;
    Point Evaluate(const Bezier& b, float t) const override;
    Point Tangent(const Bezier& b, float t) const override;
    static double LengthTo(const Bezier& b, double t);
};

inline float FakePath::MeasuredOpenLength() const {
    FakeBezierService service;
    float total = 0;
    for (int i = 0; i + 1 < AnchorCount(); ++i) total += service.Length(SegmentBezier(i), 1);
    return total;
}

inline double FakeBezierService::LengthTo(const Bezier& b, double t) {
    double sum = 0, px = b.p0.h, py = b.p0.v;
    for (int k = 1; k <= kFakeSteps; ++k) {
        const double s = t * k / kFakeSteps, u = 1 - s;
        const double x = u * u * u * b.p0.h + 3 * u * u * s * b.p1.h + 3 * u * s * s * b.p2.h +
                         s * s * s * b.p3.h;
        const double y = u * u * u * b.p0.v + 3 * u * u * s * b.p1.v + 3 * u * s * s * b.p2.v +
                         s * s * s * b.p3.v;
        sum += std::hypot(x - px, y - py);
        px = x;
        py = y;
    }
    return sum;
}

inline float FakeBezierService::TAtLength(const Bezier& b, float length, float, float) const {
    double lo = 0, hi = 1;
    for (int i = 0; i < 40; ++i) {
        const double mid = 0.5 * (lo + hi);
        (LengthTo(b, mid) < length ? lo : hi) = mid;
    }
    return static_cast<float>(0.5 * (lo + hi));
}

inline Point FakeBezierService::Evaluate(const Bezier& b, float t) const {
    const double u = 1 - t;
    return {static_cast<float>(u * u * u * b.p0.h + 3 * u * u * t * b.p1.h +
                               3 * u * t * t * b.p2.h + t * t * t * b.p3.h),
            static_cast<float>(u * u * u * b.p0.v + 3 * u * u * t * b.p1.v +
                               3 * u * t * t * b.p2.v + t * t * t * b.p3.v)};
}

inline Point FakeBezierService::Tangent(const Bezier& b, float t) const {
    const double u = 1 - t;
    auto d = [&](float a0, float a1, float a2, float a3) {
        return static_cast<float>(3 * u * u * (a1 - a0) + 6 * u * t * (a2 - a1) +
                                  3 * t * t * (a3 - a2));
    };
    return {d(b.p0.h, b.p1.h, b.p2.h, b.p3.h), d(b.p0.v, b.p1.v, b.p2.v, b.p3.v)};
}

}  // namespace quill::testing
