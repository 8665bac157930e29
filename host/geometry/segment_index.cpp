#include "host/geometry/segment_index.h"

#include <algorithm>
#include <cmath>

namespace host {

// A plain walk over every path until the real index is in place.
SegmentIndex::SegmentIndex(Document& document) : document_(document) {
    document_.AddObserver(this);
}

SegmentIndex::~SegmentIndex() {
    document_.RemoveObserver(this);
}

void SegmentIndex::Query(AIRealPoint point, float radius,
                         const std::function<void(const Art&, int)>& f) const {
    document_.ForEachArt([&](Art& art) {
        if (art.kind() != ArtKind::Path) return;
        const auto& s = art.segments;
        int n = static_cast<int>(s.size());
        int count = art.closed ? n : n - 1;
        for (int i = 0; i < count; ++i) {
            const AIPathSegment& a = s[static_cast<std::size_t>(i)];
            const AIPathSegment& b = s[static_cast<std::size_t>((i + 1) % n)];
            float left = std::min({a.p.h, a.out.h, b.in.h, b.p.h}) - radius;
            float right = std::max({a.p.h, a.out.h, b.in.h, b.p.h}) + radius;
            float bottom = std::min({a.p.v, a.out.v, b.in.v, b.p.v}) - radius;
            float top = std::max({a.p.v, a.out.v, b.in.v, b.p.v}) + radius;
            if (point.h >= left && point.h <= right && point.v >= bottom && point.v <= top)
                f(art, i);
        }
    });
}

void SegmentIndex::OnGeometryChanged(const Art&) {}
void SegmentIndex::OnArtRemoved(const Art&) {}

}  // namespace host
