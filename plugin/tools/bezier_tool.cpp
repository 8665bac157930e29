#include "plugin/tools/bezier_tool.h"

#include <vector>

#include "plugin/dimensions/curve_marks.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/texts.h"
#include "plugin/geometry/angles.h"
#include "plugin/services/host_geometry.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/texts.h"
#include "plugin/tools/tool_state.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

// Marks were made: the Bézier tool has a marking under way, its group takes the tool's
// name, and the drag sizes the marks.
AIErr StartDrag(const BuildResult& built) {
    const AIErr code = FollowBuild(kBezierTool, built);
    if (built.outcome != BuildOutcome::Built) return code;
    const AIErr named = NameCurrentGroup();
    return code != kNoErr ? code : named;
}

// Point mode on a circle or a circular arc: its centre is marked (the drag leaves it be).
AIErr ClickOnCircle(const HoverState& hover) {
    const AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    return StartDrag(Kept(DrawCentreMark(hover.centre, hover.radius)));
}

AIErr ClickOnCurveEnd(const HoverState& hover) {
    const AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    ClickedCurve click;
    click.path = hover.path;
    if (hover.kind == HoverKind::AnchorHit) click.anchor = hover.anchor;
    click.segmentStart = hover.segmentStart;
    click.segmentEnd = hover.segmentEnd;
    click.clicked = hover.hoverPoint;
    return StartDrag(Kept(StartPointOnCurve(click)));
}

AIErr ClickInPointMode(const HoverState& hover) {
    switch (hover.kind) {
        case HoverKind::ArcHit:
            return ClickOnCircle(hover);
        case HoverKind::AnchorHit:
        case HoverKind::StraightSegmentHit:
        case HoverKind::CurveHit:
            return ClickOnCurveEnd(hover);
        default:
            return kNoErr;
    }
}

AIErr ClickOnSegment(const HoverState& hover) {
    const AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    return StartDrag(Kept(
        StartSegmentDivision(hover.segmentPoints[0], hover.segmentPoints[1], hover.hoverPoint)));
}

AIErr ClickOnVertex(const HoverState& hover) {
    const AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    if (hover.notVertex) return Kept(AbandonCurveMarks(texts::kNotAVertex.c_str())).code;
    const std::vector<PathSegment> anchors = ReadAnchors(hover.path);
    const auto within = [&](std::int16_t i) {
        return i >= 0 && static_cast<std::size_t>(i) < anchors.size();
    };
    // The path changed since the pointer passed over it.
    if (!within(hover.previous) || !within(hover.anchor) || !within(hover.next))
        return Kept(AbandonCurveMarks(nullptr)).code;
    const auto at = [&](std::int16_t i) { return anchors[static_cast<std::size_t>(i)].p; };
    const Angle angle = AngleFromVertex(at(hover.anchor), at(hover.previous), at(hover.next));
    return StartDrag(Kept(StartAngleDivision(angle)));
}

AIErr ClickOnPath(const HoverState& hover) {
    const AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    return StartDrag(Kept(StartPathDivision(hover.path, hover.hoverPoint)));
}

AIErr ClickInDivisionMode(const HoverState& hover) {
    switch (hover.kind) {
        case HoverKind::StraightSegmentHit:
            return ClickOnSegment(hover);
        case HoverKind::AnchorHit:
            return ClickOnVertex(hover);
        case HoverKind::CurveHit:
        case HoverKind::ArcHit:
            return ClickOnPath(hover);
        default:
            return kNoErr;
    }
}

}  // namespace

const char* BezierTool::NothingClickedAlert() const {
    return texts::kBezierNeedsSomething.c_str();
}

AIErr BezierTool::Click(const ToolClick& click) {
    const std::int32_t owner = ToolOfDimensionPiece(click);
    if (owner != 0) return HandClickTo(owner, click);
    const HoverState& hover = CurrentHover();
    return Settings().divide ? ClickInDivisionMode(hover) : ClickInPointMode(hover);
}

// The controller drags only while marks follow the pointer.
AIErr BezierTool::Drag(const ToolEvent& event) {
    return Kept(DragCurveMarks(Tools().cursor, event.keys)).code;
}

const char* BezierTool::GroupName() const {
    return texts::kGroupBezier.c_str();
}

}  // namespace quill
