#include "plugin/tools/tool_cursor.h"

#include "plugin/tools/cursors.h"
#include "plugin/tools/hover_classification.h"
#include "plugin/tools/segment_hover.h"
#include "plugin/tools/tool_state.h"

#include "sdk/errors.h"

namespace quill {

namespace {

// The Segment, Circle and Lengths & Areas tools.
std::int32_t MeasuringCursor(std::int32_t tool, SegmentHitKind kind) {
    if (kind == SegmentHitKind::Anchor) return cursors::kAnchor;
    if (kind == SegmentHitKind::StraightSegment ||
        (tool == kSegmentTool && Tools().straightSegmentClick))
        return cursors::kStraightSegment;
    switch (kind) {
        case SegmentHitKind::Curve:
            return cursors::kCurve;
        case SegmentHitKind::Arc:
            return cursors::kArc;
        case SegmentHitKind::Crossing:
            return cursors::kCrossing;
        case SegmentHitKind::Snapped:
            return tool == kSegmentTool ? cursors::kSnappedPoint : cursors::kNothing;
        case SegmentHitKind::DimensionLine:
        case SegmentHitKind::DimensionArc:
            return cursors::kDimension;
        default:
            return cursors::kNothing;
    }
}

}  // namespace

AIErr ClassifyForTool(std::int32_t tool, Point pointer) {
    switch (tool) {
        case kSegmentTool:
            return ClassifySegmentHover(pointer);
        case kParametersTool:
            return ClassifyParametersHover(pointer);
        default:
            return kNoErr;
    }
}

std::int32_t CursorForHover(std::int32_t tool, bool) {
    const SegmentHitKind kind = Hover().kind;
    switch (tool) {
        case kSegmentTool:
        case kCircleTool:
        case kLengthsTool:
            return MeasuringCursor(tool, kind);
        case kParametersTool:
            return kind == SegmentHitKind::DimensionLine || kind == SegmentHitKind::DimensionArc
                       ? cursors::kDimension
                       : cursors::kNothing;
        default:
            return 0;
    }
}

bool AnyPanelPageOpen() {
    return false;
}

}  // namespace quill
