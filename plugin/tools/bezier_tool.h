// The Bézier tool: it classifies with the host's hit tests and leaves the cursor alone
// over what it cannot use. With "Partager" on, a click divides the path, the straight
// segment or the angle at the vertex clicked; with it off, a click at an end of an open
// curve marks the point at the set length from that end, and a click on a circle marks
// its centre. The drag sizes the marks; a click on another kind of dimension belongs to
// that kind's tool.
#pragma once

#include "plugin/tools/tool.h"

namespace quill {

class BezierTool : public Tool {
 public:
    // What it shows on hover (bezier_hover.cpp).
    AIErr Classify(Point pointer) override;
    std::int32_t Cursor(HoverKind kind, bool shiftAndAlt) const override;
    std::vector<std::string> FeedbackLines(const HoverState& hover) const override;
    void FeedbackMarks(const HoverState& hover, HoverMarks& marks) const override;

    const char* NothingClickedAlert() const override;
    AIErr Click(const ToolClick& click) override;
    AIErr Drag(const ToolEvent& event) override;
    const char* GroupName() const override;
};

}  // namespace quill
