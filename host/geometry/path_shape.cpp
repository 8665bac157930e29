#include "host/geometry/path_shape.h"

#include <algorithm>
#include <cmath>

#include "host/geometry/bezier.h"
#include "host/geometry/nearest_point.h"

namespace host::geom {

namespace {

// Parameters in (0, 1) where one coordinate of the curve has a turning point: roots of
// the derivative a t² + b t + c of that coordinate.
// At most two per coordinate.
struct Turns {
    double t[4];
    int count = 0;
    void push_back(double v) { t[count++] = v; }
};

void TurningPoints(double p0, double p1, double p2, double p3, Turns* ts) {
    const double a = 3 * (-p0 + 3 * p1 - 3 * p2 + p3), b = 6 * (p0 - 2 * p1 + p2),
                 c = 3 * (p1 - p0);
    auto keep = [&](double t) {
        if (t > 0 && t < 1) ts->push_back(t);
    };
    if (std::fabs(a) < 1e-12) {
        if (b != 0) keep(-c / b);
        return;
    }
    const double disc = b * b - 4 * a * c;
    if (disc < 0) return;
    const double root = std::sqrt(disc);
    keep((-b + root) / (2 * a));
    keep((-b - root) / (2 * a));
}

// Signed crossings of the ray from p towards +x with the curve: +1 upwards, −1 downwards.
int Winding(const Cubic& c, Vec p, int depth) {
    const Bounds b = ControlBounds(c);
    if (b.bottom > p.y || b.top <= p.y || b.right < p.x) return 0;
    const bool small = std::max(b.right - b.left, b.top - b.bottom) < 1e-7;
    if (b.left > p.x || small || depth > 50) {
        // Entirely right of p (or tiny): its ends tell how it crosses the ray.
        const bool upStart = c.p0.y <= p.y, upEnd = c.p3.y <= p.y;
        if (upStart == upEnd) return 0;
        if (b.left <= p.x) {
            const double u = (p.y - c.p0.y) / (c.p3.y - c.p0.y);
            if (c.p0.x + u * (c.p3.x - c.p0.x) < p.x) return 0;
        }
        return upStart ? 1 : -1;
    }
    Cubic left, right;
    Split(c, 0.5, &left, &right);
    return Winding(left, p, depth + 1) + Winding(right, p, depth + 1);
}

}  // namespace

Box CurveBounds(const std::vector<AIPathSegment>& s, bool closed) {
    if (s.empty()) return {};
    Box box{s[0].p.h, s[0].p.v, s[0].p.h, s[0].p.v};
    auto include = [&](Vec v) {
        box.left = std::min(box.left, static_cast<float>(v.x));
        box.right = std::max(box.right, static_cast<float>(v.x));
        box.bottom = std::min(box.bottom, static_cast<float>(v.y));
        box.top = std::max(box.top, static_cast<float>(v.y));
    };
    const int count = SegmentCount(s, closed);
    for (int i = 0; i < count; ++i) {
        const Cubic c = SegmentCubic(s, i);
        include(c.p3);
        Turns ts;
        TurningPoints(c.p0.x, c.p1.x, c.p2.x, c.p3.x, &ts);
        TurningPoints(c.p0.y, c.p1.y, c.p2.y, c.p3.y, &ts);
        for (int k = 0; k < ts.count; ++k) include(Evaluate(c, ts.t[k]));
    }
    return box;
}

std::vector<double> AccumulatedLengths(const std::vector<AIPathSegment>& s) {
    std::vector<double> lengths(s.size(), 0.0);
    for (std::size_t i = 1; i < s.size(); ++i)
        lengths[i] = lengths[i - 1] + Length(SegmentCubic(s, static_cast<int>(i - 1)));
    return lengths;
}

int WindingNumber(const std::vector<AIPathSegment>& s, bool closed, AIRealPoint point) {
    const int n = static_cast<int>(s.size());
    if (n < 2) return 0;
    const Vec p{point.h, point.v};
    int winding = 0;
    for (int i = 0; i < n - 1; ++i) winding += Winding(SegmentCubic(s, i), p, 0);
    // The closing segment as drawn on a closed path; a straight line on an open one.
    Cubic closing = SegmentCubic(s, n - 1);
    if (!closed) closing = {closing.p0, closing.p0, closing.p3, closing.p3};
    return winding + Winding(closing, p, 0);
}

bool Encloses(const std::vector<AIPathSegment>& s, bool closed, AIRealPoint point, bool evenOdd) {
    const int winding = WindingNumber(s, closed, point);
    return evenOdd ? (winding % 2) != 0 : winding != 0;
}

}  // namespace host::geom
