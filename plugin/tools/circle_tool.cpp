#include "plugin/tools/circle_tool.h"

#include "plugin/associative/circle_rebuild.h"
#include "plugin/associative/links.h"
#include "plugin/dimensions/circle_art_set.h"
#include "plugin/dimensions/circle_dimension.h"
#include "plugin/dimensions/circle_geometry.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/texts.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/texts.h"
#include "plugin/tools/tool_state.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

// Pieces made for a circle dimension: one is under construction.
AIErr NotePieces(const BuildResult& made) {
    if (made.outcome != BuildOutcome::NothingBuilt) Tools().built[kCircleTool] = true;
    return made.code;
}

// The dimension now follows the pointer.
AIErr StartDrag(AIErr result) {
    Tools().dragActive = true;
    return result;
}

// The anchor's segment, when it has a curve handle: the end of an arc may have one.
bool ReadArcEnd(AIArtHandle path, std::int16_t anchor, PathSegment* end) {
    AIPathSegment segment{};
    if (!IsValidArt(path) || sAIPath->GetPathSegments(path, anchor, 1, &segment) != kNoErr)
        return false;
    *end = FromHost(segment);
    return !(SamePoint(end->in, end->p) && SamePoint(end->out, end->p));
}

// The user is told why; the measurement starts again from its first end.
AIErr RefuseEnd(const char* alert) {
    ShowAlert(alert);
    Tools().clickCount = 0;
    return kNoErr;
}

// As `RefuseEnd`, and the group made for the dimension goes: the drawing stays as it was.
AIErr RefuseSecondEnd(const char* alert) {
    DisposeArt(ArtSet().group);
    ArtSet().group = nullptr;
    return RefuseEnd(alert);
}

AIErr ClickOnFirstEnd(CircleGesture& ends, const HoverState& hover) {
    ends = CircleGesture{hover.path, hover.anchor};
    Tools().clickCount = 1;
    PathSegment end;
    if (!ReadArcEnd(hover.path, hover.anchor, &end)) return RefuseEnd(texts::kNotAnArcEnd.c_str());
    return kNoErr;
}

// The circle through both ends, tangent at the first one to its handle. No link: the
// dimension does not rebuild.
AIErr ClickOnSecondEnd(const CircleGesture& ends, const HoverState& hover) {
    AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    Tools().clickCount = 2;
    if (hover.path != ends.firstPath) return RefuseSecondEnd(texts::kEndsOnOnePath.c_str());
    PathSegment first, second;
    if (!ReadArcEnd(hover.path, hover.anchor, &second) ||
        !ReadArcEnd(hover.path, ends.firstAnchor, &first))
        return RefuseSecondEnd(texts::kNotAnArcEnd.c_str());
    MeasuredCircle measured;
    measured.circle = CircleFromTangentAndChord(first, second);
    // Ends whose tangent runs along their chord (or one end clicked twice) bound no arc.
    if (!IsDimensionableCircle(measured.circle))
        return RefuseSecondEnd(texts::kNotAnArcEnd.c_str());
    measured.path = hover.path;
    measured.anchors[0] = ends.firstAnchor;
    measured.anchors[1] = hover.anchor;
    const BuildResult started = Kept(StartCircleDimension(measured, CircleStartedFrom::TwoAnchors));
    result = NotePieces(started);
    return started.outcome == BuildOutcome::NothingBuilt ? result : StartDrag(result);
}

AIErr ClickOnArc(const HoverState& hover) {
    AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    MeasuredCircle measured;
    measured.circle = Circle{hover.centre, hover.radius};
    measured.path = hover.path;
    measured.anchors[0] = hover.segmentStart;
    measured.anchors[1] = hover.segmentEnd;
    const BuildResult started = Kept(StartCircleDimension(measured, CircleStartedFrom::ArcClick));
    result = NotePieces(started);
    if (started.outcome == BuildOutcome::NothingBuilt) return result;
    return StartDrag(LinkCircle(hover.path, hover.segmentStart, hover.segmentEnd));
}

// A line of an existing circle dimension: the dimension is rebuilt and follows the
// pointer.
AIErr ClickOnCircleDimension(AIArtHandle piece) {
    return FollowBuild(kCircleTool, Kept(RebuildCircleDimension(piece)));
}

// The line of a circle dimension that was clicked, or nullptr.
AIArtHandle ClickedCircleDimension(const ToolClick& click, const HoverState& hover) {
    if (click.hit.hit && HasTag(click.hit.art, tags::kCircleMarker)) return click.hit.art;
    const bool dimension =
        hover.kind == HoverKind::DimensionSegmentHit || hover.kind == HoverKind::DimensionArcHit;
    return dimension && HasTag(hover.path, tags::kCircleMarker) ? hover.path : nullptr;
}

AIErr ClickOnHover(CircleGesture& ends, const ToolClick& click) {
    const HoverState& hover = CurrentHover();
    if (AIArtHandle piece = ClickedCircleDimension(click, hover))
        return ClickOnCircleDimension(piece);
    const bool firstEndClicked = Tools().clickCount == 1;
    if (hover.kind == HoverKind::AnchorHit)
        return firstEndClicked ? ClickOnSecondEnd(ends, hover) : ClickOnFirstEnd(ends, hover);
    if (firstEndClicked) {
        ShowAlert(texts::kSecondArcEndNeeded.c_str());
        return kNoErr;
    }
    if (hover.kind == HoverKind::ArcHit) return ClickOnArc(hover);
    return kNoErr;
}

}  // namespace

const char* CircleTool::NothingClickedAlert() const {
    return texts::kCircleNeedsSomething.c_str();
}

// What the click did is told by the dimension it made; the host hears how the group's
// naming went.
AIErr CircleTool::Click(const ToolClick& click) {
    // The lines of segment and angle dimensions belong to their own tools.
    const std::int32_t owner = ToolOfDimensionPiece(click);
    if (owner != 0 && owner != kCircleTool) return HandClickTo(owner, click);
    ClickOnHover(gesture_, click);
    return NameCurrentGroup();
}

AIErr CircleTool::Drag(const ToolEvent& event) {
    return Kept(DragCircleDimension(Tools().cursor, event.keys)).code;
}

AIErr CircleTool::MouseUp(const ToolEvent&) {
    return Kept(DisposeLeaderNeverShaped()).code;
}

const char* CircleTool::GroupName() const {
    return Settings().diameter ? texts::kGroupCircleDiameter.c_str()
                               : texts::kGroupCircleRadius.c_str();
}

}  // namespace quill
