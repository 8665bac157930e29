// The Circle tool: it classifies with the host's hit tests; its clicks need a circle, an
// arc or an end of an arc.
#include "plugin/dimensions/texts.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/texts.h"
#include "plugin/tools/tool_cursor.h"
#include "plugin/tools/tool_state.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

AIErr CircleClassify(Point pointer) {
    return ClassifyUnderPointer(pointer, HoverTool::Circle);
}

std::int32_t CircleCursor(HoverKind kind, bool) {
    return MeasuringCursor(kCircleTool, kind);
}

const char* CircleGroupName() {
    return Settings().diameter ? texts::kGroupCircleDiameter.c_str()
                               : texts::kGroupCircleRadius.c_str();
}

}  // namespace

const ToolBehaviour kCircleBehaviour{
    CircleClassify, CircleCursor,    texts::kCircleNeedsSomething.c_str(), nullptr, nullptr,
    nullptr,        CircleGroupName,
};

}  // namespace quill
