#include "host/geometry/hit_test.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/geometry/bezier.h"
#include "host/geometry/nearest_point.h"
#include "host/geometry/path_shape.h"

namespace host {

namespace {

// What lies under the pointer wins whatever was painted over it nearby: the nearest hit,
// except that among hits less than this much farther (points) than the nearest, which
// the eye cannot tell apart (a dimension line and the barbs of its arrowhead), the
// topmost art is taken.
constexpr double kAsNear = 1.0;

// A hit within the tolerance and how it ranks.
struct Candidate {
    Hit hit;
    PaintRankValue rank = 0;
    double distance = 0;
};

class Search {
 public:
    Search(const Document& document, const SegmentIndex& index, AIRealPoint point, float tolerance,
           const Art* within)
        : document_(document),
          index_(index),
          point_(point),
          tolerance_(tolerance),
          within_(within) {}

    Hit Anchors() {
        candidates_.clear();
        // Each anchor starts or ends an indexed segment; a lone anchor has only its path's
        // bounds.
        index_.Query(point_, tolerance_, [&](const Art& path, int i) {
            if (!Eligible(path)) return;
            const auto& s = path.segments;
            const std::size_t start = static_cast<std::size_t>(i), end = (start + 1) % s.size();
            Offer(path, kAnchorPointType, s[start].p, start, 0);
            Offer(path, kAnchorPointType, s[end].p, end, 0);
        });
        if (index_.LoneAnchorCount() == 0) return Best();
        index_.QueryPaths(point_, tolerance_, [&](const Art& path) {
            if (path.segments.size() == 1 && Eligible(path))
                Offer(path, kAnchorPointType, path.segments[0].p, 0, 0);
        });
        return Best();
    }

    Hit Centres() {
        candidates_.clear();
        index_.QueryPaths(point_, tolerance_, [&](const Art& path) {
            if (!path.closed || !MayHaveCentreNear(path) || !Eligible(path)) return;
            const Box b = geom::CurveBounds(path.segments, true);
            const AIRealPoint centre{0.5f * (b.left + b.right), 0.5f * (b.bottom + b.top)};
            Offer(path, kCenterPointType, centre, 0, 0);
        });
        return Best();
    }

    Hit Segments() {
        candidates_.clear();
        const geom::Vec p{point_.h, point_.v};
        index_.Query(point_, tolerance_, [&](const Art& path, int i) {
            if (!Eligible(path)) return;
            const auto near = geom::Nearest(geom::SegmentCubic(path.segments, i), p, tolerance_);
            if (!near) return;
            const int n = static_cast<int>(path.segments.size());
            const AIRealPoint at{static_cast<float>(near->point.x),
                                 static_cast<float>(near->point.y)};
            Consider(path, kSegmentType, at, (i + 1) % n, static_cast<float>(near->t),
                     near->distance);
        });
        return Best();
    }

    Hit Fills() {
        candidates_.clear();
        index_.QueryPaths(point_, 0, [&](const Art& path) {
            if (!path.style().fillPaint || !Eligible(path)) return;
            if (FillEncloses(path)) Consider(path, kFillType, point_, 0, 0, 0);
        });
        return Best();
    }

 private:
    // The curve's bounds lie between the anchors' bounds and the control points' bounds,
    // and so does their centre: a cheap test before the exact bounds.
    bool MayHaveCentreNear(const Art& path) const {
        Box anchors{path.segments[0].p.h, path.segments[0].p.v, path.segments[0].p.h,
                    path.segments[0].p.v};
        Box controls = anchors;
        for (const AIPathSegment& s : path.segments) {
            anchors = {std::min(anchors.left, s.p.h), std::min(anchors.bottom, s.p.v),
                       std::max(anchors.right, s.p.h), std::max(anchors.top, s.p.v)};
            for (const AIRealPoint& q : {s.in, s.p, s.out})
                controls = {std::min(controls.left, q.h), std::min(controls.bottom, q.v),
                            std::max(controls.right, q.h), std::max(controls.top, q.v)};
        }
        auto within = [&](float x, float low, float high) {
            return x >= 0.5f * low - tolerance_ && x <= 0.5f * high + tolerance_;
        };
        return within(point_.h, controls.left + anchors.right, anchors.left + controls.right) &&
               within(point_.v, controls.bottom + anchors.top, anchors.bottom + controls.top);
    }

    // A member of a compound path fills only what the whole compound fills: its holes
    // are left out.
    bool FillEncloses(const Art& path) const {
        const Art* compound = path.compound();
        if (!compound)
            return geom::Encloses(path.segments, path.closed, point_, path.style().evenOdd);
        int winding = 0;
        for (const auto& member : compound->children())
            winding += geom::WindingNumber(member->segments, member->closed, point_);
        return compound->style().evenOdd ? (winding % 2) != 0 : winding != 0;
    }

    bool Eligible(const Art& path) const {
        if (within_) {
            const Art* a = &path;
            while (a && a != within_) a = a->parent();
            if (!a) return false;
        }
        return IsHittable(document_, path);
    }

    void Offer(const Art& path, int type, AIRealPoint at, std::size_t anchor, float t) {
        const double dx = at.h - point_.h, dy = at.v - point_.v;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d <= tolerance_) Consider(path, type, at, static_cast<int>(anchor), t, d);
    }

    void Consider(const Art& path, int type, AIRealPoint at, int segment, float t, double d) {
        Art* art = const_cast<Art*>(&path);
        Art* parent = art->parent();
        candidates_.push_back(
            Candidate{Hit{true, art, parent && !parent->layerOfGroup() ? parent : nullptr, type,
                          segment, t, at},
                      index_.PaintRank(path), d});
    }

    // The nearest hit, the topmost among those as near; on one art the nearest, then the
    // lower index, whatever order the index gave them in.
    Hit Best() const {
        if (candidates_.empty()) return {};
        double nearest = candidates_.front().distance;
        for (const Candidate& c : candidates_) nearest = std::min(nearest, c.distance);
        const Candidate* best = nullptr;
        for (const Candidate& c : candidates_) {
            if (c.distance > nearest + kAsNear) continue;
            if (!best || c.rank > best->rank ||
                (c.rank == best->rank &&
                 (c.distance < best->distance ||
                  (c.distance == best->distance && c.hit.segment < best->hit.segment))))
                best = &c;
        }
        return best->hit;
    }

    const Document& document_;
    const SegmentIndex& index_;
    AIRealPoint point_;
    float tolerance_;
    const Art* within_;
    std::vector<Candidate> candidates_;
};

}  // namespace

bool IsHittable(const Document& document, const Art& art) {
    for (const Art* a = &art; a; a = a->parent())
        if (!a->layerOfGroup() && (a->attributes & (kArtLocked | kArtHidden))) return false;
    const Layer* layer = document.LayerOf(&art);
    return layer && layer->visible && !layer->locked;
}

Hit HitTest(const Document& document, const SegmentIndex& index, AIRealPoint point, float tolerance,
            int request, const Art* within) {
    if (!std::isfinite(point.h) || !std::isfinite(point.v) || !(tolerance >= 0)) return {};
    Search search(document, index, point, tolerance, within);
    const bool all = request == kAllHitRequest;
    if (all || (request & kPointHitRequest)) {
        if (Hit hit = search.Anchors(); hit.hit) return hit;
        if (Hit hit = search.Centres(); hit.hit) return hit;
    }
    if (all || (request & kSegmentHitRequest))
        if (Hit hit = search.Segments(); hit.hit) return hit;
    if (all || (request & kFillHitRequest))
        if (Hit hit = search.Fills(); hit.hit) return hit;
    return {};
}

}  // namespace host
