#include "host/geometry/cursor_snap.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "host/geometry/bezier.h"
#include "host/geometry/hit_test.h"
#include "host/geometry/nearest_point.h"

namespace host {

namespace {

struct Near {
    const Art* path;
    geom::Cubic cubic;
    Box box;
};

bool Overlap(const Box& a, const Box& b) {
    return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

}  // namespace

std::optional<AIRealPoint> NearestCrossing(const Document& document, const SegmentIndex& index,
                                           AIRealPoint point, float radius) {
    std::vector<Near> near;
    index.Query(point, radius, [&](const Art& path, int i) {
        if (IsHittable(document, path))
            near.push_back(
                {&path, geom::SegmentCubic(path.segments, i), SegmentBox(path.segments, i)});
    });
    std::optional<AIRealPoint> best;
    double bestDistance = radius;
    for (std::size_t i = 0; i < near.size(); ++i)
        for (std::size_t j = i + 1; j < near.size(); ++j) {
            if (near[i].path == near[j].path || !Overlap(near[i].box, near[j].box)) continue;
            for (const auto& [ta, tb] : geom::Intersections(near[i].cubic, near[j].cubic)) {
                (void)tb;
                const geom::Vec p = geom::Evaluate(near[i].cubic, ta);
                const double d = std::hypot(p.x - point.h, p.y - point.v);
                if (d <= bestDistance) {
                    bestDistance = d;
                    best = AIRealPoint{static_cast<float>(p.x), static_cast<float>(p.y)};
                }
            }
        }
    return best;
}

AIRealPoint SnapCursor(const Document& document, const SegmentIndex& index, AIRealPoint point,
                       const char* control) {
    if (!control || !std::strchr(control, 'i')) return point;
    return NearestCrossing(document, index, point, kSnapRadius).value_or(point);
}

}  // namespace host
