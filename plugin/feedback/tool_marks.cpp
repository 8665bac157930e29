#include "plugin/feedback/tool_marks.h"

#include "plugin/feedback/feedback_marks.h"
#include "plugin/tools/hover_marks.h"
#include "plugin/tools/hover_state.h"

namespace quill {

namespace {

// Each mark the tool says, drawn at once through the pass's drawer.
class DrawnMarks : public HoverMarks {
 public:
    explicit DrawnMarks(AnnotationDrawer& drawer) : drawer_(drawer) {}

    void Ring(Point at, RingKind kind) override { DrawPointMark(drawer_, at, kind); }
    void Segment(Point from, Point to, float width) override {
        DrawSegmentMark(drawer_, from, to, width);
    }
    void Path(const std::vector<PathSegment>& anchors, bool closed, float width) override {
        DrawPathMark(drawer_, anchors, closed, width);
    }
    void PartialPath(const std::vector<PathSegment>& anchors, bool closed, int anchorA,
                     int anchorB) override {
        DrawPartialPathMark(drawer_, anchors, closed, anchorA, anchorB);
    }
    void Sign(Point pointer, bool plus) override {
        const AIPoint at = drawer_.ToView(pointer);
        plus ? DrawPlusSign(drawer_, at) : DrawMinusSign(drawer_, at);
    }

 private:
    AnnotationDrawer& drawer_;
};

}  // namespace

void DrawToolMarks(AnnotationDrawer& drawer, const Tool& tool) {
    DrawnMarks marks(drawer);
    tool.FeedbackMarks(CurrentHover(), marks);
}

}  // namespace quill
