#include "plugin/feedback/tool_marks.h"

#include "plugin/dimensions/build_state.h"
#include "plugin/feedback/feedback_marks.h"
#include "plugin/feedback/feedback_texts.h"
#include "plugin/services/host_geometry.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/lengths_tool.h"
#include "plugin/tools/segment_tool.h"
#include "plugin/tools/tool_state.h"

namespace quill {

namespace {

constexpr float kHighlightWidth = 2.0f;

void MarkWholePath(AnnotationDrawer& drawer, AIArtHandle path, float width) {
    const HostPath host(path);
    DrawPathMark(drawer, host.Anchors(), host.Closed(), width);
}

void MarkHoveredSegment(AnnotationDrawer& drawer, const HoverState& hover) {
    DrawSegmentMark(drawer, hover.segmentPoints[0], hover.segmentPoints[1], kHighlightWidth);
}

// A curve or arc under the pointer: the path drawn over, a ring on the point.
void MarkCurve(AnnotationDrawer& drawer, const HoverState& hover) {
    MarkWholePath(drawer, hover.path, kHighlightWidth);
    DrawPointMark(drawer, hover.hoverPoint, RingKind::OnCurve);
}

void SegmentMarks(AnnotationDrawer& drawer, const HoverState& hover) {
    // While a curve is being dimensioned, the point it was clicked at.
    if (Tools().dragActive && TheSegmentTool().gesture().measure == SegmentMeasure::Curve) {
        DrawPointMark(drawer, BuildState().curvePoint, RingKind::OnCurve);
        return;
    }
    switch (hover.kind) {
        case HoverKind::CrossingHit:
        case HoverKind::AnchorHit:
        case HoverKind::SnappedPointHit:
            DrawPointMark(drawer, hover.hoverPoint, RingKind::Anchor);
            break;
        case HoverKind::StraightSegmentHit:
            MarkHoveredSegment(drawer, hover);
            break;
        case HoverKind::ArcHit:
        case HoverKind::CurveHit:
            MarkCurve(drawer, hover);
            break;
        default:
            break;
    }
}

void AngleMarks(AnnotationDrawer& drawer, const HoverState& hover) {
    switch (hover.kind) {
        case HoverKind::AnchorHit:
            DrawPointMark(drawer, hover.hoverPoint, RingKind::Anchor);
            break;
        case HoverKind::StraightSegmentHit:
            MarkHoveredSegment(drawer, hover);
            break;
        case HoverKind::ArcHit:
            MarkCurve(drawer, hover);
            break;
        default:
            break;
    }
}

void CircleMarks(AnnotationDrawer& drawer, const HoverState& hover) {
    if (hover.kind == HoverKind::AnchorHit)
        DrawPointMark(drawer, hover.hoverPoint, RingKind::Anchor);
    if (hover.kind == HoverKind::ArcHit) MarkWholePath(drawer, hover.path, kHighlightWidth);
}

void BezierMarks(AnnotationDrawer& drawer, const HoverState& hover) {
    if (hover.kind == HoverKind::AnchorHit) {
        DrawPointMark(drawer, hover.hoverPoint, RingKind::Anchor);
        return;
    }
    if (hover.kind == HoverKind::StraightSegmentHit || hover.kind == HoverKind::ArcHit ||
        hover.kind == HoverKind::CurveHit)
        DrawPointMark(drawer, hover.hoverPoint, RingKind::OnCurve);
}

// Before the first pick, whether a click would add the path (plus) or take it out
// (minus); after it, the part of the path a second pick would measure.
void LengthsMarks(AnnotationDrawer& drawer, const HoverState& hover) {
    if (Tools().dragActive) return;
    if (hover.kind == HoverKind::AnchorHit) {
        DrawPointMark(drawer, hover.hoverPoint, RingKind::Anchor);
        return;
    }
    if (!IsPathKind(hover.kind) || !hover.path) return;
    const HostPath path(hover.path);
    if (Tools().clickCount == 0) {
        const bool collected = FullySelected(hover.path);
        DrawPathMark(drawer, path.Anchors(), path.Closed(), collected ? 4.0f : 2.0f);
        const AIPoint pointer = drawer.ToView(Tools().cursor);
        collected ? DrawMinusSign(drawer, pointer) : DrawPlusSign(drawer, pointer);
        return;
    }
    const PartialLengthPick& pick = TheLengthsTool().measures().pick;
    if (pick.path == hover.path)
        DrawPartialPathMark(drawer, path.Anchors(), path.Closed(), pick.anchor, hover.segmentStart);
}

// The marks of each tool, by row: entry i - 1 is tool i. The Parameters tool marks
// nothing.
using MarksOfTool = void (*)(AnnotationDrawer& drawer, const HoverState& hover);
constexpr MarksOfTool kMarksByTool[kToolCount] = {
    SegmentMarks, AngleMarks, CircleMarks, BezierMarks, LengthsMarks, nullptr,
};

}  // namespace

void DrawToolMarks(AnnotationDrawer& drawer) {
    const std::int32_t tool = Tools().ActingTool();
    if (tool < 1 || tool > kToolCount || !kMarksByTool[tool - 1]) return;
    kMarksByTool[tool - 1](drawer, CurrentHover());
}

}  // namespace quill
