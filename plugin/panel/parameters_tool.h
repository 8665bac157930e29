// The Parameters tool: over the drawing it sees only the lines and arcs of existing
// dimensions; its clicks go to the panel, but for those on a dimension, which go to the
// tool that made it.
#pragma once

#include "plugin/tools/tool.h"

namespace quill {

class ParametersTool : public Tool {
 public:
    // What it shows on hover (parameters_hover.cpp): no lines, no legend and no marks,
    // its panel instead.
    AIErr Classify(Point pointer) override;
    std::int32_t Cursor(HoverKind kind, bool shiftAndAlt) const override;
    FeedbackLayout Layout() const override;
    std::optional<AIErr> DrawOwnView(const AIAnnotatorMessage& message) const override;

    AIErr Click(const ToolClick& click) override;
    AIErr MouseUp(const ToolEvent& event) override;
};

}  // namespace quill
