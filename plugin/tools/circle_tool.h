// The Circle tool: it classifies with the host's hit tests. Its click measures a
// circular arc at once, or the arc between two of its anchors clicked in turn, or
// rebuilds the circle dimension clicked; the lines of segment and angle dimensions go
// to their own tools. Its drag places the leader and the label; its mouse-up removes a
// leader that was never placed.
#pragma once

#include "plugin/tools/circle_gesture.h"
#include "plugin/tools/tool.h"

namespace quill {

class CircleTool : public Tool {
 public:
    // What it shows on hover (circle_hover.cpp).
    AIErr Classify(Point pointer) override;
    std::int32_t Cursor(HoverKind kind, bool shiftAndAlt) const override;
    std::vector<std::string> FeedbackLines(const HoverState& hover) const override;
    void FeedbackMarks(const HoverState& hover, HoverMarks& marks) const override;

    const char* NothingClickedAlert() const override;
    AIErr Click(const ToolClick& click) override;
    AIErr Drag(const ToolEvent& event) override;
    AIErr MouseUp(const ToolEvent& event) override;
    const char* GroupName() const override;

 private:
    CircleGesture gesture_;  // the first end, while the click count is 1
};

}  // namespace quill
