#include "plugin/geometry/areas.h"

#include <cmath>

#include "plugin/geometry/vectors.h"

namespace quill {

namespace {

bool FullyRetracted(const PathSegment& s) {
    return SamePoint(s.in, s.p) && SamePoint(s.out, s.p);
}

// Every edge against every edge that does not share an anchor with it.
bool CrossesItself(const std::vector<Point>& anchors) {
    const int n = static_cast<int>(anchors.size());
    auto at = [&](int i) { return anchors[static_cast<std::size_t>(i % n)]; };
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= n - 4; ++j)
            if (SegmentsCross(at(i), at(i + 1), at(i + 2 + j), at(i + 3 + j))) return true;
    return false;
}

}  // namespace

PolygonAreaResult PolygonArea(const PathReader& path) {
    PolygonAreaResult result;
    const int n = path.AnchorCount();
    if (!path.Closed() || n < 1) return result;
    std::vector<PathSegment> segments;
    segments.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) segments.push_back(path.Anchor(i));
    const PathSegment& first = segments.front();
    const PathSegment& last = segments.back();
    if (!FullyRetracted(last) || !FullyRetracted(first)) return result;
    float s1 = last.p.h * first.p.v;
    float s2 = last.p.v * first.p.h;
    for (int i = 0; i + 1 < n; ++i) {
        const PathSegment& a = segments[static_cast<std::size_t>(i)];
        const PathSegment& b = segments[static_cast<std::size_t>(i + 1)];
        if (!FullyRetracted(a) || !FullyRetracted(b)) return result;
        s1 += a.p.h * b.p.v;
        s2 += a.p.v * b.p.h;
    }
    if (n > 3) {
        std::vector<Point> anchors;
        for (const PathSegment& s : segments) anchors.push_back(s.p);
        if (CrossesItself(anchors)) {
            result.kind = PolygonAreaResult::Kind::Crossed;
            return result;
        }
    }
    result.kind = PolygonAreaResult::Kind::Area;
    result.area = static_cast<double>(std::fabs(s1 - s2) / 2.0f);
    return result;
}

}  // namespace quill
