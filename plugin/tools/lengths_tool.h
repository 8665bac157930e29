// The Lengths & Areas tool: it classifies by proximity and measures what it has collected
// at every cursor-tracking event. Its click collects a path or takes it out again, picks
// the two anchors of a partial length, or, on empty canvas, writes the results at the
// click and starts a new collection (the drag that follows is a selection rectangle);
// the lines of other dimensions go to their tools. While it drags, the whole view is drawn
// again for the rubber band; its mouse-up ends the rubber band.
#pragma once

#include "plugin/tools/lengths_measures.h"
#include "plugin/tools/tool.h"

namespace quill {

class LengthsTool : public Tool {
 public:
    // What it shows on hover (lengths_hover.cpp).
    bool ShiftShowsNextTool() const override { return false; }
    AIErr Classify(Point pointer) override;
    std::int32_t Cursor(HoverKind kind, bool shiftAndAlt) const override;
    bool ShowsPathLength(HoverKind kind) const override;
    std::vector<std::string> FeedbackLines(const HoverState& hover) const override;
    void FeedbackMarks(const HoverState& hover, HoverMarks& marks) const override;
    FeedbackLayout Layout() const override;
    std::optional<DraggedBand> Band() const override;

    AIErr Click(const ToolClick& click) override;
    AIErr Drag(const ToolEvent& event) override;
    AIErr MouseUp(const ToolEvent& event) override;
    const char* GroupName() const override;
    /// The selection it finds is not one it collected: nothing stays selected.
    void BecameCurrent() override;
    /// What it measured of the set is read again.
    void ToolSelected() override { ForgetMeasures(measures_); }
    void DocumentChanged() override { ForgetMeasures(measures_); }

    const LengthsMeasures& measures() const { return measures_; }
    /// The code of the rubber band's latest selection, for the pass that draws the band.
    AIErr bandCode() const { return bandCode_; }

 private:
    LengthsMeasures measures_;  // `MeasureSet` and what was measured of it
    RubberBand band_;           // the rubber band of the press under way
    AIErr bandCode_ = kNoErr;

    // The rubber band from the press to `corner2` (document points) selects and collects
    // the paths inside it; see `CollectInRectangle`.
    void CollectInBand(Point corner2);
};

/// The Lengths & Areas tool of the plug-in object's state record (frame/quill_state.h).
LengthsTool& TheLengthsTool();

}  // namespace quill
