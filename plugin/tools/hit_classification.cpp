#include "plugin/tools/hit_classification.h"

#include "plugin/geometry/arcs.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/tools/hit_testing.h"

namespace quill {

namespace {

void ClassifyAnchor(HoverState& hover, const AIToolHitData& hit, const HitLook& look) {
    hover.kind = HoverKind::AnchorHit;
    hover.path = hit.art;
    hover.anchor = hit.segment;
    hover.hoverPoint = FromHost(hit.point);
    if (!look.vertices) return;
    // No vertex until its neighbours are read: a failing read leaves nothing to measure.
    hover.notVertex = true;
    const HostPath path(hit.art);
    const int n = path.AnchorCount();
    const int a = hit.segment;
    if (!path.Closed() && (a == 0 || a == n - 1)) {
        hover.notVertex = true;
        return;
    }
    hover.previous = static_cast<std::int16_t>(a == 0 ? n - 1 : a - 1);
    hover.next = static_cast<std::int16_t>(a == n - 1 ? 0 : a + 1);
    hover.notVertex =
        !IsAngleVertex(path.Anchor(hover.previous), path.Anchor(a), path.Anchor(hover.next));
}

}  // namespace

void ClassifyByHitTests(HoverState& hover, Point pointer, const HitLook& look) {
    const AIToolHitData point = HitAt(pointer, kHoverTolerance, kPointHitRequest);
    const bool anchor = point.hit && point.type == kAnchorPointType;
    if (point.hit && (!look.dimensionAnchors || !anchor) && HasTag(point.art, tags::kPiece)) return;
    if (anchor) return ClassifyAnchor(hover, point, look);

    const AIToolHitData hit = HitAt(pointer, kHoverTolerance, kSegmentHitRequest);
    if (!hit.hit || hit.type != kSegmentType) return;
    const bool dimensionLine = IsDimensionLine(hit.art);
    if (!dimensionLine && HasTag(hit.art, tags::kPiece)) return;
    RecordSegmentHit(hover, hit);
    if (look.crossings && OtherPathUnder(hit.art, pointer)) {
        hover.kind = HoverKind::CrossingHit;
        hover.hoverPoint = CrossingPoint(pointer);
        return;
    }
    ClassifySegmentShape(hover, hit, look.shapeAtHitPoint ? FromHost(hit.point) : pointer,
                         dimensionLine);
}

}  // namespace quill
