#include "host/geometry/cursor_snap.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "host/geometry/bezier.h"
#include "host/geometry/hit_test.h"
#include "host/geometry/nearest_point.h"

namespace host {

namespace {

constexpr double kClipMargin = 1e-3;  // points

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
    // The pairs that may cross, nearest first, so that the radius of the search shrinks
    // early; the crossing kept is the nearest, and among equally near ones the last in the
    // order of the pairs (i, j), as if they were taken in that order.
    struct Pair {
        double nearest;  // from the pointer to where both boxes overlap
        std::size_t i, j;
    };
    std::vector<Pair> pairs;
    for (std::size_t i = 0; i < near.size(); ++i)
        for (std::size_t j = i + 1; j < near.size(); ++j) {
            if (near[i].path == near[j].path || !Overlap(near[i].box, near[j].box)) continue;
            const Box& a = near[i].box;
            const Box& b = near[j].box;
            const double dx = std::max({0.0, double(std::max(a.left, b.left)) - point.h,
                                        point.h - double(std::min(a.right, b.right))});
            const double dy = std::max({0.0, double(std::max(a.bottom, b.bottom)) - point.v,
                                        point.v - double(std::min(a.top, b.top))});
            pairs.push_back({std::hypot(dx, dy), i, j});
        }
    std::sort(pairs.begin(), pairs.end(),
              [](const Pair& a, const Pair& b) { return a.nearest < b.nearest; });
    std::optional<AIRealPoint> best;
    double bestDistance = radius;
    std::pair<std::size_t, std::size_t> bestPair{0, 0};
    std::size_t bestRank = 0;  // the crossing's rank among its pair's
    // Only a crossing as near as the best so far counts: the search keeps to the disc of
    // that radius, a little wider so that one on its edge is not lost to rounding.
    const geom::Vec centre{point.h, point.v};
    for (const Pair& pair : pairs) {
        if (pair.nearest > bestDistance + kClipMargin) break;
        const auto crossings = geom::IntersectionsNear(near[pair.i].cubic, near[pair.j].cubic,
                                                       centre, bestDistance + kClipMargin);
        for (std::size_t k = 0; k < crossings.size(); ++k) {
            const geom::Vec p = geom::Evaluate(near[pair.i].cubic, crossings[k].first);
            const double d = std::hypot(p.x - point.h, p.y - point.v);
            const std::pair<std::size_t, std::size_t> at{pair.i, pair.j};
            if (d < bestDistance || (d == bestDistance && (!best || at > bestPair ||
                                                           (at == bestPair && k > bestRank)))) {
                bestDistance = d;
                bestPair = at;
                bestRank = k;
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
