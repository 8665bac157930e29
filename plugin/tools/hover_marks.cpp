#include "plugin/tools/hover_marks.h"

#include "plugin/services/host_geometry.h"

namespace quill {

void MarkWholePath(HoverMarks& marks, AIArtHandle path, float width) {
    const HostPath host(path);
    marks.Path(host.Anchors(), host.Closed(), width);
}

void MarkHoveredSegment(HoverMarks& marks, const HoverState& hover) {
    marks.Segment(hover.segmentPoints[0], hover.segmentPoints[1], kHighlightWidth);
}

void MarkCurve(HoverMarks& marks, const HoverState& hover) {
    MarkWholePath(marks, hover.path, kHighlightWidth);
    marks.Ring(hover.hoverPoint, RingKind::OnCurve);
}

}  // namespace quill
