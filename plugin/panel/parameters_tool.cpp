#include "plugin/panel/parameters_tool.h"

#include "plugin/panel/panel_click.h"
#include "plugin/tools/tool_table.h"

namespace quill {

AIErr ParametersTool::Click(const ToolClick& click) {
    const std::int32_t owner = ToolOfDimensionPiece(click);
    if (owner != 0) return HandClickTo(owner, click);
    return PanelClick(click.pointer, click.shift, click.alt);
}

AIErr ParametersTool::MouseUp(const ToolEvent&) {
    return PanelMouseUp();
}

}  // namespace quill
