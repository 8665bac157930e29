// The Bézier tool: it classifies with the host's hit tests and leaves the cursor alone
// over what it cannot use; its clicks need a path, a vertex, an end of a curve or a
// circle.
#include "plugin/dimensions/texts.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/texts.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

AIErr BezierClassify(Point pointer) {
    return ClassifyUnderPointer(pointer, HoverTool::Bezier);
}

std::int32_t BezierCursor(HoverKind kind, bool) {
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

const char* BezierGroupName() {
    return texts::kGroupBezier.c_str();
}

}  // namespace

const ToolBehaviour kBezierBehaviour{
    BezierClassify, BezierCursor,    texts::kBezierNeedsSomething.c_str(), nullptr, nullptr,
    nullptr,        BezierGroupName,
};

}  // namespace quill
