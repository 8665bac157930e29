#include "host/suites/art_bounds.h"

#include <algorithm>
#include <cassert>
#include <cstring>

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

std::optional<AIRealRect> RectOf(const std::optional<Box>& box) {
    if (!box) return std::nullopt;
    return AIRealRect{box->left, box->top, box->right, box->bottom};
}

// The path's bounds read from its anchors.
std::optional<Box> MeasuredBounds(const Art& path) {
    if (path.segments.empty()) return std::nullopt;
    return PathBox(path.segments);
}

#ifndef NDEBUG
// Debug builds check what the index kept against the path itself, to the bit.
bool SameBounds(const std::optional<Box>& a, const std::optional<Box>& b) {
    return a.has_value() == b.has_value() && (!a || std::memcmp(&*a, &*b, sizeof(Box)) == 0);
}
#endif

std::optional<AIRealRect> PathBounds(const Art& path, const SegmentIndex* index) {
    std::optional<Box> kept;
    if (!index || !index->KeptBounds(path, &kept)) return RectOf(MeasuredBounds(path));
    assert(SameBounds(kept, MeasuredBounds(path)));
    return RectOf(kept);
}

}  // namespace

std::optional<AIRealRect> ArtBounds(const Art& art, FontCatalog& fonts, const SegmentIndex* index) {
    std::optional<AIRealRect> box;
    switch (art.kind()) {
        case ArtKind::Path:
            box = PathBounds(art, index);
            break;
        case ArtKind::Text:
            box = PointTextBounds(art, fonts);
            break;
        case ArtKind::Group:
        case ArtKind::CompoundPath:
            for (const auto& child : art.children())
                if (auto childBox = ArtBounds(*child, fonts, index)) Include(&box, *childBox);
            break;
    }
    return box;
}

}  // namespace host
