// The Segment tool: its click fixes the measured points (or measures a whole segment, arc
// or curve) and starts the dimension; its drag places the dimension, snapping to the ends
// of the segments measured last; its mouse-up remembers the measured segment.
#pragma once

#include "plugin/tools/segment_gesture.h"
#include "plugin/tools/segment_memory.h"
#include "plugin/tools/tool.h"

namespace quill {

class SegmentTool : public Tool {
 public:
    // What it shows on hover (segment_hover.cpp).
    AIErr Classify(Point pointer) override;
    std::int32_t Cursor(HoverKind kind, bool shiftAndAlt) const override;
    std::vector<std::string> FeedbackLines(const HoverState& hover) const override;
    void FeedbackMarks(const HoverState& hover, HoverMarks& marks) const override;

    AIErr Click(const ToolClick& click) override;
    AIErr Drag(const ToolEvent& event) override;
    AIErr MouseUp(const ToolEvent& event) override;
    const char* GroupName() const override;
    /// The measurement under way is forgotten.
    void ToolSelected() override { gesture_ = SegmentGesture{}; }
    /// Nothing is measured yet by the press that begins.
    void PressBegins() override { gesture_.measure = SegmentMeasure::BetweenPoints; }

    const SegmentGesture& gesture() const { return gesture_; }
    const SegmentMemory& memory() const { return memory_; }

 private:
    SegmentGesture gesture_;
    SegmentMemory memory_;  // `SegmentMemory`: for the life of the plug-in object
};

/// The Segment tool of the plug-in object's state record (frame/quill_state.h).
SegmentTool& TheSegmentTool();

}  // namespace quill
