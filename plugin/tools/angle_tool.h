// The Angle tool: it classifies with the host's hit tests and shows where its pending
// click stands. A click on a vertex, on two sides one after the other, or on a circular arc
// measures an angle; a click on an angle dimension's arc rebuilds it; a click on another
// kind of dimension belongs to that kind's tool. The drag sets the arc's radius and which
// of the two angles is measured.
#pragma once

#include "plugin/tools/angle_gesture.h"
#include "plugin/tools/tool.h"

namespace quill {

class AngleTool : public Tool {
 public:
    // What it shows on hover (angle_hover.cpp).
    AIErr Classify(Point pointer) override;
    std::int32_t Cursor(HoverKind kind, bool shiftAndAlt) const override;
    std::vector<std::string> FeedbackLines(const HoverState& hover) const override;
    void FeedbackMarks(const HoverState& hover, HoverMarks& marks) const override;

    const char* NothingClickedAlert() const override;
    AIErr Click(const ToolClick& click) override;
    AIErr Drag(const ToolEvent& event) override;
    const char* GroupName() const override;

 private:
    AngleGesture gesture_;  // the first side, while the click count is 1
};

}  // namespace quill
