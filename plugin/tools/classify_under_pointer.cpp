#include "plugin/geometry/arcs.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/tools/hit_testing.h"
#include "plugin/tools/hover_state.h"

namespace quill {

namespace {

void ClassifyAnchor(HoverState& hover, const AIToolHitData& hit, HoverTool tool) {
    hover.kind = HoverKind::AnchorHit;
    hover.path = hit.art;
    hover.anchor = hit.segment;
    hover.hoverPoint = FromHost(hit.point);
    if (tool == HoverTool::Circle) return;
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

void Classify(HoverState& hover, Point pointer, HoverTool tool) {
    const AIToolHitData point = HitAt(pointer, kHoverTolerance, kPointHitRequest);
    const bool anchor = point.hit && point.type == kAnchorPointType;
    const bool dimensionFirst = tool != HoverTool::Bezier;
    if (point.hit && (dimensionFirst || !anchor) && HasTag(point.art, tags::kPiece)) return;
    if (anchor) return ClassifyAnchor(hover, point, tool);

    const AIToolHitData hit = HitAt(pointer, kHoverTolerance, kSegmentHitRequest);
    if (!hit.hit || hit.type != kSegmentType) return;
    const bool dimensionLine = IsDimensionLine(hit.art);
    if (!dimensionLine && HasTag(hit.art, tags::kPiece)) return;
    RecordSegmentHit(hover, hit);
    if (tool != HoverTool::Bezier && OtherPathUnder(hit.art, pointer)) {
        hover.kind = HoverKind::CrossingHit;
        hover.hoverPoint = CrossingPoint(pointer);
        return;
    }
    ClassifySegmentShape(hover, hit, tool == HoverTool::Bezier ? FromHost(hit.point) : pointer,
                         dimensionLine);
}

}  // namespace

AIErr ClassifyUnderPointer(Point pointer, HoverTool tool) {
    switch (tool) {
        case HoverTool::Angle:
            return RunClassification(
                [](HoverState& h, Point p) { Classify(h, p, HoverTool::Angle); }, pointer);
        case HoverTool::Circle:
            return RunClassification(
                [](HoverState& h, Point p) { Classify(h, p, HoverTool::Circle); }, pointer);
        default:
            return RunClassification(
                [](HoverState& h, Point p) { Classify(h, p, HoverTool::Bezier); }, pointer);
    }
}

}  // namespace quill
