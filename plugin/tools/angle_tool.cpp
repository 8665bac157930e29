#include "plugin/tools/angle_tool.h"

#include <optional>
#include <vector>

#include "plugin/associative/angle_rebuild.h"
#include "plugin/associative/links.h"
#include "plugin/dimensions/angle_dimension.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/texts.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/tags.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/texts.h"
#include "plugin/tools/tool_state.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

// A dimension was built: it follows the pointer, its group takes the tool's name.
AIErr StartDrag(const BuildResult& built) {
    const AIErr code = FollowBuild(kAngleTool, built);
    if (built.outcome != BuildOutcome::Built) return code;
    const AIErr named = NameCurrentGroup();
    return code != kNoErr ? code : named;
}

// A group made for a click that then measures nothing goes again.
void DisposeNewGroup() {
    DisposeArt(ArtSet().group);
    ArtSet().group = nullptr;
}

void AbandonGroup(const char* alert) {
    DisposeNewGroup();
    ShowAlert(alert);
}

AIErr ClickOnVertex(const HoverState& hover) {
    AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    if (hover.notVertex) {
        AbandonGroup(texts::kNotAVertex.c_str());
        return kNoErr;
    }
    const std::vector<PathSegment> anchors = ReadAnchors(hover.path);
    const auto within = [&](std::int16_t i) {
        return i >= 0 && static_cast<std::size_t>(i) < anchors.size();
    };
    if (!within(hover.previous) || !within(hover.anchor) || !within(hover.next)) {
        DisposeNewGroup();  // the path changed since the pointer passed over it
        return kNoErr;
    }
    const BuildResult made = Kept(PrepareAngleArt(AngleSource::Sides));
    if (made.outcome == BuildOutcome::NothingBuilt) return made.code;
    const Angle angle = AngleFromVertex(anchors[static_cast<std::size_t>(hover.anchor)].p,
                                        anchors[static_cast<std::size_t>(hover.previous)].p,
                                        anchors[static_cast<std::size_t>(hover.next)].p);
    LinkAngle(hover.path, hover.previous, hover.anchor, hover.next);
    return StartDrag(Kept(StartAngleDimension(angle)));
}

std::int16_t AnchorIndex(const PendingSide& first, const HoverState& second, SideEnd end) {
    const int which = end.end == SideEnd::A ? 0 : 1;
    if (end.side == SideEnd::First) return first.anchors[which];
    return which == 0 ? second.segmentStart : second.segmentEnd;
}

AIErr ClickOnSecondSide(const PendingSide& first, const HoverState& hover) {
    const AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    Tools().clickCount = 2;
    const Side side1{first.points[0], first.points[1], first.click};
    const Side side2{hover.segmentPoints[0], hover.segmentPoints[1], hover.hoverPoint};
    const bool samePath = first.path == hover.path;
    const std::optional<Angle> angle = AngleFromTwoSides(side1, side2, samePath);
    if (!angle) {
        AbandonGroup(texts::kParallelSides.c_str());
        return kNoErr;
    }
    const BuildResult made = Kept(PrepareAngleArt(AngleSource::Sides));
    if (made.outcome == BuildOutcome::NothingBuilt) return made.code;
    if (samePath) {
        if (const auto corner = SharedAnchor(side1, side2))
            LinkAngle(hover.path, AnchorIndex(first, hover, corner->first),
                      AnchorIndex(first, hover, corner->vertex),
                      AnchorIndex(first, hover, corner->second));
    }
    return StartDrag(Kept(StartAngleDimension(*angle)));
}

AIErr ClickOnSide(AngleGesture& gesture, const HoverState& hover) {
    Tools().straightSegmentClick = true;
    if (Tools().clickCount == 0) {
        // The first side: remembered until the second is clicked.
        PendingSide& side = gesture.firstSide;
        side.path = hover.path;
        side.anchors[0] = hover.segmentStart;
        side.anchors[1] = hover.segmentEnd;
        side.points[0] = hover.segmentPoints[0];
        side.points[1] = hover.segmentPoints[1];
        side.click = hover.hoverPoint;
        Tools().clickCount = 1;
        return kNoErr;
    }
    return ClickOnSecondSide(gesture.firstSide, hover);
}

AIErr ClickOnArc(const HoverState& hover, Point pointer) {
    const AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    const BuildResult made = Kept(PrepareAngleArt(AngleSource::Arc));
    if (made.outcome == BuildOutcome::NothingBuilt) return made.code;
    const Angle angle = AngleFromArc(hover.centre, hover.segmentPoints[0], hover.segmentPoints[1]);
    return StartDrag(Kept(StartArcAngleDimension(angle, pointer)));
}

// The arc of an angle dimension, or its right-angle square.
bool OnAngleDimension(const HoverState& hover) {
    return hover.kind == HoverKind::DimensionArcHit ||
           (hover.kind == HoverKind::DimensionSegmentHit && HasTag(hover.path, tags::kAngleMarker));
}

}  // namespace

const char* AngleTool::NothingClickedAlert() const {
    return texts::kAngleNeedsSomething.c_str();
}

AIErr AngleTool::Click(const ToolClick& click) {
    const std::int32_t owner = ToolOfDimensionPiece(click);
    if (owner != 0 && owner != kAngleTool) return HandClickTo(owner, click);
    const HoverState& hover = CurrentHover();
    if (OnAngleDimension(hover)) return StartDrag(Kept(RebuildAngleDimension(hover.path)));
    if (hover.kind == HoverKind::AnchorHit) return ClickOnVertex(hover);
    if (hover.kind == HoverKind::StraightSegmentHit) return ClickOnSide(gesture_, hover);
    if (Tools().clickCount == 1) {
        ShowAlert(texts::kSecondSideNeeded.c_str());
        return kNoErr;
    }
    if (hover.kind == HoverKind::ArcHit) return ClickOnArc(hover, click.pointer);
    return kNoErr;
}

// The controller drags only while a dimension follows the pointer.
AIErr AngleTool::Drag(const ToolEvent& event) {
    return Kept(DragAngleDimension(Tools().cursor, event.keys)).code;
}

const char* AngleTool::GroupName() const {
    return texts::kGroupAngle.c_str();
}

}  // namespace quill
