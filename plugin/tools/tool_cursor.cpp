#include "plugin/tools/tool_cursor.h"

#include "plugin/services/suites.h"
#include "plugin/settings/panel_state.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/tool_state.h"

namespace quill {

void ShowCursor(const AIToolMessage* message, std::int32_t id) {
    if (sADMBasic) sADMBasic->SetPlatformCursor(message->d.self, id);
}

std::int32_t CursorFromCurveOn(std::int32_t tool, HoverKind kind) {
    switch (kind) {
        case HoverKind::CurveHit:
            return cursors::kCurve;
        case HoverKind::ArcHit:
            return cursors::kArc;
        case HoverKind::CrossingHit:
            return cursors::kCrossing;
        case HoverKind::SnappedPointHit:
            if (tool == kSegmentTool) return cursors::kSnappedPoint;
            return cursors::kNothing;
        case HoverKind::DimensionSegmentHit:
        case HoverKind::DimensionArcHit:
            return cursors::kDimension;
        default:
            return cursors::kNothing;
    }
}

std::int32_t MeasuringCursor(std::int32_t tool, HoverKind kind) {
    if (kind == HoverKind::AnchorHit) return cursors::kAnchor;
    if (kind == HoverKind::StraightSegmentHit ||
        (tool == kSegmentTool && Tools().straightSegmentClick))
        return cursors::kStraightSegment;
    return CursorFromCurveOn(tool, kind);
}

bool AnyPanelPageOpen() {
    for (bool open : Panel().pageOpen)
        if (open) return true;
    return false;
}

}  // namespace quill
