#include "plugin/tools/tool_cursor.h"

#include "plugin/services/suites.h"
#include "plugin/settings/panel_state.h"
#include "plugin/tools/cursors.h"

namespace quill {

void ShowCursor(const AIToolMessage* message, std::int32_t id) {
    if (sADMBasic) sADMBasic->SetPlatformCursor(message->d.self, id);
}

std::int32_t CursorFromCurveOn(HoverKind kind) {
    switch (kind) {
        case HoverKind::CurveHit:
            return cursors::kCurve;
        case HoverKind::ArcHit:
            return cursors::kArc;
        case HoverKind::CrossingHit:
            return cursors::kCrossing;
        case HoverKind::DimensionSegmentHit:
        case HoverKind::DimensionArcHit:
            return cursors::kDimension;
        default:
            return cursors::kNothing;
    }
}

std::int32_t MeasuringCursor(HoverKind kind) {
    if (kind == HoverKind::AnchorHit) return cursors::kAnchor;
    if (kind == HoverKind::StraightSegmentHit) return cursors::kStraightSegment;
    return CursorFromCurveOn(kind);
}

bool AnyPanelPageOpen() {
    for (bool open : Panel().pageOpen)
        if (open) return true;
    return false;
}

}  // namespace quill
