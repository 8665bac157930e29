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

}  // namespace

const ToolBehaviour kParametersBehaviour{
    ClassifyParametersHover, ParametersCursor, nullptr, nullptr, nullptr, nullptr, nullptr,
};

}  // namespace quill
