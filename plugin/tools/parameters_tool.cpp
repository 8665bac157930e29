// The Parameters tool: over the drawing it sees only the lines and arcs of existing
// dimensions.
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

// A click on an existing dimension goes to the tool that made it; the panel takes every
// other click.
AIErr ParametersClick(const ToolClick& click) {
    const std::int32_t owner = ToolOfDimensionPiece(click);
    return owner != 0 ? HandClickTo(owner, click) : kNoErr;
}

}  // namespace

const ToolBehaviour kParametersBehaviour{
    ClassifyParametersHover, ParametersCursor, nullptr, ParametersClick, nullptr, nullptr, nullptr,
};

}  // namespace quill
