#include "plugin/tools/tool_cursor.h"

#include "plugin/settings/panel_state.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hover_classification.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/tool_state.h"
#include "sdk/errors.h"

namespace quill {

namespace {

// From CurveHit on, the rows every measuring tool shares.
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

// The Segment, Circle and Lengths & Areas tools.
std::int32_t MeasuringCursor(std::int32_t tool, HoverKind kind) {
    if (kind == HoverKind::AnchorHit) return cursors::kAnchor;
    if (kind == HoverKind::StraightSegmentHit ||
        (tool == kSegmentTool && Tools().straightSegmentClick))
        return cursors::kStraightSegment;
    return CursorFromCurveOn(tool, kind);
}

// The Angle tool also shows where its pending click stands.
std::int32_t AngleCursor(HoverKind kind, bool shiftAndAlt) {
    const ToolState& tools = Tools();
    const bool pending = tools.clickCount > 0;
    if (kind == HoverKind::AnchorHit || (pending && !tools.straightSegmentClick) || shiftAndAlt)
        return cursors::kAnchor;
    if (kind == HoverKind::StraightSegmentHit || (pending && tools.straightSegmentClick))
        return cursors::kStraightSegment;
    return CursorFromCurveOn(kAngleTool, kind);
}

// The Bézier tool leaves the cursor alone over anything else.
std::int32_t BezierCursor(HoverKind kind) {
    switch (kind) {
        case HoverKind::AnchorHit:
            return cursors::kAnchor;
        case HoverKind::StraightSegmentHit:
            return cursors::kStraightSegment;
        case HoverKind::CurveHit:
            return cursors::kCurve;
        case HoverKind::ArcHit:
            return cursors::kArc;
        default:
            return 0;
    }
}

}  // namespace

AIErr ClassifyForTool(std::int32_t tool, Point pointer) {
    switch (tool) {
        case kSegmentTool:
            return ClassifySegmentHover(pointer);
        case kAngleTool:
            return ClassifyUnderPointer(pointer, HoverTool::Angle);
        case kCircleTool:
            return ClassifyUnderPointer(pointer, HoverTool::Circle);
        case kBezierTool:
            return ClassifyUnderPointer(pointer, HoverTool::Bezier);
        case kLengthsTool:
            return ClassifyLengthsHover(pointer);
        case kParametersTool:
            return ClassifyParametersHover(pointer);
        default:
            return kNoErr;
    }
}

std::int32_t CursorForHover(std::int32_t tool, bool shiftAndAlt) {
    const HoverKind kind = CurrentHover().kind;
    switch (tool) {
        case kSegmentTool:
        case kCircleTool:
        case kLengthsTool:
            return MeasuringCursor(tool, kind);
        case kAngleTool:
            return AngleCursor(kind, shiftAndAlt);
        case kBezierTool:
            return BezierCursor(kind);
        case kParametersTool:
            return kind == HoverKind::DimensionSegmentHit || kind == HoverKind::DimensionArcHit
                       ? cursors::kDimension
                       : cursors::kNothing;
        default:
            return 0;
    }
}

bool AnyPanelPageOpen() {
    for (bool open : Panel().pageOpen)
        if (open) return true;
    return false;
}

}  // namespace quill
