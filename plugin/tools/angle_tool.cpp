// The Angle tool: it classifies with the host's hit tests and shows where its pending
// click stands; its clicks need a vertex or a side of an angle.
#include "plugin/dimensions/texts.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/texts.h"
#include "plugin/tools/tool_cursor.h"
#include "plugin/tools/tool_state.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

AIErr AngleClassify(Point pointer) {
    return ClassifyUnderPointer(pointer, HoverTool::Angle);
}

std::int32_t AngleCursor(HoverKind kind, bool shiftAndAlt) {
    const ToolState& tools = Tools();
    const bool pending = tools.clickCount > 0;
    if (kind == HoverKind::AnchorHit || (pending && !tools.straightSegmentClick) || shiftAndAlt)
        return cursors::kAnchor;
    if (kind == HoverKind::StraightSegmentHit || (pending && tools.straightSegmentClick))
        return cursors::kStraightSegment;
    return CursorFromCurveOn(kAngleTool, kind);
}

const char* AngleGroupName() {
    return texts::kGroupAngle.c_str();
}

}  // namespace

const ToolBehaviour kAngleBehaviour{
    AngleClassify, AngleCursor,    texts::kAngleNeedsSomething.c_str(), nullptr, nullptr,
    nullptr,       AngleGroupName,
};

}  // namespace quill
