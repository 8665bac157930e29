// The Parameters tool: over the drawing it sees only the lines and arcs of existing
// dimensions; its clicks go to the panel, but for those on a dimension, which go to the
// tool that made it.
#include "plugin/panel/panel_click.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hover_classification.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

std::int32_t ParametersCursor(HoverKind kind, bool) {
    return kind == HoverKind::DimensionSegmentHit || kind == HoverKind::DimensionArcHit
               ? cursors::kDimension
               : cursors::kNothing;
}

AIErr ParametersClick(const ToolClick& click) {
    const std::int32_t owner = ToolOfDimensionPiece(click);
    if (owner != 0) return HandClickTo(owner, click);
    return PanelClick(click.pointer, click.shift, click.alt);
}

}  // namespace

const ToolBehaviour kParametersBehaviour{
    ClassifyParametersHover,
    ParametersCursor,
    nullptr,
    ParametersClick,
    nullptr,
    PanelMouseUp,
    nullptr,
};

}  // namespace quill
