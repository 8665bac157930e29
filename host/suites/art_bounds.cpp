#include "host/suites/art_bounds.h"

#include <algorithm>

#include "host/fonts/text_metrics.h"

namespace host {

namespace {

void Include(std::optional<AIRealRect>* box, const AIRealRect& r) {
    if (!*box) {
        *box = r;
        return;
    }
    AIRealRect& b = **box;
    b.left = std::min(b.left, r.left);
    b.right = std::max(b.right, r.right);
    b.top = std::max(b.top, r.top);
    b.bottom = std::min(b.bottom, r.bottom);
}

void Include(std::optional<AIRealRect>* box, const AIRealPoint& p) {
    Include(box, AIRealRect{p.h, p.v, p.h, p.v});
}

}  // namespace

std::optional<AIRealRect> ArtBounds(const Art& art, FontCatalog& fonts) {
    std::optional<AIRealRect> box;
    switch (art.kind()) {
        case ArtKind::Path:
            for (const auto& s : art.segments) {
                Include(&box, s.p);
                Include(&box, s.in);
                Include(&box, s.out);
            }
            break;
        case ArtKind::Text:
            box = PointTextBounds(art, fonts);
            break;
        case ArtKind::Group:
        case ArtKind::CompoundPath:
            for (const auto& child : art.children())
                if (auto childBox = ArtBounds(*child, fonts)) Include(&box, *childBox);
            break;
    }
    return box;
}

}  // namespace host
