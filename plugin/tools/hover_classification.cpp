#include "plugin/tools/hover_classification.h"

#include "plugin/services/ai_error.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/tags.h"
#include "plugin/tools/hit_testing.h"
#include "plugin/tools/hover_state.h"

namespace quill {

namespace {

void ClassifyForSegmentTool(HoverState& hover, Point pointer) {
    // A point that a dimension already measures lies under that dimension's extension
    // line: the line is looked through. Dimension art alone classifies as nothing.
    bool dimensionHit = false;
    const AIToolHitData point = PointThroughDimensions(pointer, &dimensionHit);
    if (point.hit) {
        hover.path = point.art;
        hover.hoverPoint = FromHost(point.point);
        hover.anchor = point.segment;
        hover.kind =
            point.type == kAnchorPointType ? HoverKind::AnchorHit : HoverKind::SnappedPointHit;
        return;
    }
    if (dimensionHit) return;
    const AIToolHitData hit = HitAt(pointer, kHoverTolerance, kSegmentHitRequest);
    if (!hit.hit || hit.type != kSegmentType) return;
    const bool dimensionLine = IsDimensionLine(hit.art);
    if (!dimensionLine && HasTag(hit.art, tags::kPiece)) return;
    RecordSegmentHit(hover, hit);
    if (OtherPathUnder(hit.art, pointer)) {
        // Where a dimension line crosses a path there is nothing to click.
        if (dimensionLine) {
            hover = HoverState{};
            hover.pointer = pointer;
            return;
        }
        hover.kind = HoverKind::CrossingHit;
        hover.hoverPoint = CrossingPoint(pointer);
        return;
    }
    ClassifySegmentShape(hover, hit, pointer, dimensionLine);
}

void ClassifyForParametersTool(HoverState& hover, Point pointer) {
    const AIToolHitData point = HitAt(pointer, kHoverTolerance, kPointHitRequest);
    if (point.hit && HasTag(point.art, tags::kPiece)) return;
    const AIToolHitData hit = HitAt(pointer, kHoverTolerance, kSegmentHitRequest);
    if (!hit.hit || hit.type != kSegmentType || !IsDimensionLine(hit.art)) return;
    RecordSegmentHit(hover, hit);
    ClassifySegmentShape(hover, hit, pointer, true);
    if (hover.kind == HoverKind::CurveHit) hover.kind = HoverKind::DimensionSegmentHit;
}

}  // namespace

AIErr ClassifySegmentHover(Point pointer) {
    return RunClassification(ClassifyForSegmentTool, pointer);
}

AIErr ClassifyParametersHover(Point pointer) {
    return RunClassification(ClassifyForParametersTool, pointer);
}

}  // namespace quill
