// What the Parameters tool shows on hover: over the drawing it sees only the lines and arcs
// of existing dimensions, whose clicks go to the tools that made them. It writes no lines
// and draws no marks: its panel is drawn instead.
#include "plugin/panel/panel_drawing.h"
#include "plugin/panel/parameters_tool.h"
#include "plugin/services/host_art.h"
#include "plugin/services/tags.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hit_testing.h"

namespace quill {

namespace {

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

AIErr ParametersTool::Classify(Point pointer) {
    return RunClassification(ClassifyForParametersTool, pointer);
}

std::int32_t ParametersTool::Cursor(HoverKind kind, bool) const {
    return kind == HoverKind::DimensionSegmentHit || kind == HoverKind::DimensionArcHit
               ? cursors::kDimension
               : cursors::kNothing;
}

FeedbackLayout ParametersTool::Layout() const {
    FeedbackLayout layout;
    layout.legend = false;
    layout.marks = false;
    return layout;
}

// The panel, unless the pointer is over a dimension, whose click goes to the tool that
// made it.
std::optional<AIErr> ParametersTool::DrawOwnView(const AIAnnotatorMessage& message) const {
    const HoverKind hover = CurrentHover().kind;
    if (hover == HoverKind::DimensionSegmentHit || hover == HoverKind::DimensionArcHit)
        return std::nullopt;
    return DrawPanel(message);
}

}  // namespace quill
