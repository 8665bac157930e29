// What the Angle tool shows on hover: what lies under the pointer, the cursor, the lines
// beside the pointer and the marks.
#include <string>
#include <vector>

#include "plugin/dimensions/angle_dimension.h"
#include "plugin/geometry/angles.h"
#include "plugin/services/host_geometry.h"
#include "plugin/text/label.h"
#include "plugin/tools/angle_tool.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hit_classification.h"
#include "plugin/tools/hit_testing.h"
#include "plugin/tools/hover_lines.h"
#include "plugin/tools/hover_texts.h"
#include "plugin/tools/tool_cursor.h"
#include "plugin/tools/tool_state.h"

namespace quill {

namespace {

void ClassifyForAngleTool(HoverState& hover, Point pointer) {
    ClassifyByHitTests(hover, pointer, HitLook{});
}

// The signed angle at a vertex anchor between the directions to its neighbours.
std::string VertexAngle(const HoverState& hover) {
    const std::vector<PathSegment> anchors = ReadAnchors(hover.path);
    const auto within = [&](int i) { return i >= 0 && i < static_cast<int>(anchors.size()); };
    if (!within(hover.anchor) || !within(hover.previous) || !within(hover.next)) return {};
    const float opening = SignedOpening(anchors[static_cast<std::size_t>(hover.anchor)].p,
                                        anchors[static_cast<std::size_t>(hover.previous)].p,
                                        anchors[static_cast<std::size_t>(hover.next)].p);
    LabelText text;
    AngleText(opening, false, text);
    return text.c_str();
}

}  // namespace

AIErr AngleTool::Classify(Point pointer) {
    return RunClassification(ClassifyForAngleTool, pointer);
}

// While a click is pending, the cursor of the first pick stays: a vertex or a side.
std::int32_t AngleTool::Cursor(HoverKind kind, bool shiftAndAlt) const {
    const ToolState& tools = Tools();
    const bool pending = tools.clickCount > 0;
    if (kind == HoverKind::AnchorHit || (pending && !tools.straightSegmentClick) || shiftAndAlt)
        return cursors::kAnchor;
    if (kind == HoverKind::StraightSegmentHit || (pending && tools.straightSegmentClick))
        return cursors::kStraightSegment;
    return CursorFromCurveOn(kind);
}

std::vector<std::string> AngleTool::FeedbackLines(const HoverState& hover) const {
    FeedbackLineList lines;
    const bool secondSide = Tools().clickCount > 0;
    switch (hover.kind) {
        case HoverKind::AnchorHit:
            lines.push_back(texts::kVertexAnchor.c_str());
            lines.push_back(Joined(texts::kAngleIs.c_str(), VertexAngle(hover)));
            break;
        case HoverKind::StraightSegmentHit:
            lines.push_back(secondSide ? texts::kSecondSide.c_str() : texts::kFirstSide.c_str());
            break;
        case HoverKind::ArcHit:
            lines.push_back(texts::kArcForAngle.c_str());
            break;
        case HoverKind::CurveHit:
            AddCurveLines(lines, hover);
            break;
        default:
            break;
    }
    return lines;
}

void AngleTool::FeedbackMarks(const HoverState& hover, HoverMarks& marks) const {
    switch (hover.kind) {
        case HoverKind::AnchorHit:
            marks.Ring(hover.hoverPoint, RingKind::Anchor);
            break;
        case HoverKind::StraightSegmentHit:
            MarkHoveredSegment(marks, hover);
            break;
        case HoverKind::ArcHit:
            MarkCurve(marks, hover);
            break;
        default:
            break;
    }
}

}  // namespace quill
