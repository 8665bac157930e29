// The Segment tool: its click fixes the measured points (or measures a whole segment, arc
// or curve) and starts the dimension; its drag places the dimension, snapping to the ends
// of the segments measured last; its mouse-up remembers the measured segment.
#pragma once

#include "plugin/tools/segment_gesture.h"
#include "plugin/tools/segment_memory.h"
#include "plugin/tools/segment_set.h"
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
    /// The measurement under way is forgotten, and so is a set.
    void ToolSelected() override {
        gesture_ = SegmentGesture{};
        set_.End();
    }
    /// Nothing is measured yet by the press that begins.
    void PressBegins() override {
        gesture_.measure = SegmentMeasure::BetweenPoints;
        gesture_.second.reset();
        gesture_.rebuiltMember.reset();
    }
    /// Esc ends a set under way.
    bool WatchesEscape() const override { return set_.UnderWay(); }
    void EscapePressed() override { set_.End(); }

    const SegmentGesture& gesture() const { return gesture_; }
    const SegmentMemory& memory() const { return memory_; }
    const SegmentSet& set() const { return set_; }

 private:
    AIErr ClickOnPoint(const HoverState& hover, Point clickPointer);
    // The lines beside the pointer while the next click adds to a set (segment_hover.cpp).
    bool AddSetLines(std::vector<std::string>& lines, const HoverState& hover) const;

    SegmentGesture gesture_;
    SegmentMemory memory_;  // `SegmentMemory`: for the life of the plug-in object
    SegmentSet set_;        // the chain, baseline set or ordinates under way
};

/// The Segment tool of the plug-in object's state record (frame/quill_state.h).
SegmentTool& TheSegmentTool();

}  // namespace quill
