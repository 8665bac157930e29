#include "plugin/tools/segment_tool.h"

#include <cmath>

#include "plugin/associative/links.h"
#include "plugin/associative/segment_rebuild.h"
#include "plugin/associative/set_tags.h"
#include "plugin/dimensions/arc_dimension.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/curve_dimension.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/segment_art_set.h"
#include "plugin/dimensions/segment_dimension.h"
#include "plugin/dimensions/texts.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/tool_cursor.h"
#include "plugin/tools/tool_state.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

// During a drag the pointer snaps to the ends of the segments measured last, within
// this many screen pixels.
constexpr float kSnapPixels = 8.0f;

bool BothWays() {
    return Settings().dimensionType == kBothWaysType;
}

bool PathClosed(AIArtHandle path) {
    AIBoolean closed = false;
    return sAIPath->GetPathClosed(path, &closed) == kNoErr && closed;
}

// Pieces made for a segment dimension: one is under construction.
AIErr NotePieces(const BuildResult& made) {
    if (made.outcome != BuildOutcome::NothingBuilt) Tools().built[kSegmentTool] = true;
    return made.code;
}

// A builder that gave the dimension up leaves nothing to drag.
AIErr NoteAbandoned(const BuildResult& built) {
    if (built.outcome == BuildOutcome::Abandoned) {
        Tools().dragActive = false;
        Tools().built[kSegmentTool] = false;
    }
    return built.code;
}

// The dimension now follows the pointer; its group takes the name of its kind.
AIErr StartDrag(AIErr result) {
    Tools().dragActive = true;
    NameCurrentGroup();
    return result;
}

Association AssociationFor(bool firstSnapped) {
    return firstSnapped || BothWays() ? Association::NotAssociative : Association::Associative;
}

AIErr FirstPoint(SegmentGesture& gesture, const ClickedPoint& clicked) {
    AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    BuildState().first = clicked.point;
    gesture.firstSnapped = clicked.snapped;
    gesture.lastClickFree = clicked.free;
    gesture.firstPath = clicked.path;
    gesture.firstAnchor = clicked.anchor;
    gesture.first = clicked;
    result = NotePieces(Kept(CreateSegmentArtSet(0, AssociationFor(clicked.snapped))));
    if (clicked.path) result = LinkFirstPoint(clicked.path, clicked.anchor);
    ArtSet().onlyFirstPoint = true;
    Tools().clickCount = 1;
    return result;
}

AIErr SecondPoint(SegmentGesture& gesture, const ClickedPoint& clicked, Point clickPointer) {
    DimensionBuildState& state = BuildState();
    state.second = clicked.point;
    gesture.lastClickFree = clicked.free;
    gesture.second = clicked;
    ArtSet().onlyFirstPoint = false;
    Tools().clickCount = 2;
    AIErr result = kNoErr;
    if (clicked.snapped && !gesture.firstSnapped) MakeSegmentDimensionNonAssociative();
    if (clicked.path && !clicked.snapped && !gesture.firstSnapped)
        result = LinkSecondPoint(clicked.path, clicked.anchor);
    state.direction = DirectionAngle(state.first, state.second);
    state.textRotation = 0;
    if (BothWays()) return StartDrag(result);
    const BuildResult built = Kept(BuildSegmentDimension(clickPointer));
    // A dimension given up (the user was told why) leaves nothing to drag.
    if (built.outcome == BuildOutcome::Abandoned) return NoteAbandoned(built);
    return StartDrag(built.code);
}

// An anchor point (linked), a snapped point or a crossing under the pointer.
ClickedPoint PointOfHover(const HoverState& hover) {
    ClickedPoint clicked;
    clicked.point = hover.hoverPoint;
    clicked.snapped = hover.kind == HoverKind::SnappedPointHit;
    clicked.path = hover.kind == HoverKind::AnchorHit ? hover.path : nullptr;
    clicked.anchor = hover.anchor;
    return clicked;
}

AIErr ClickOnNothing(SegmentGesture& gesture, Point pointer) {
    if (Tools().clickCount == 1 && !gesture.lastClickFree) {
        ShowAlert(texts::kSecondPointNeeded.c_str());
        return kNoErr;
    }
    if (BothWays()) {
        ShowAlert(texts::kClickAnObject.c_str());
        return kNoErr;
    }
    ClickedPoint clicked;
    clicked.point = pointer;
    clicked.free = true;
    if (Tools().clickCount == 0) return FirstPoint(gesture, clicked);
    return SecondPoint(gesture, clicked, pointer);
}

AIErr ClickOnStraightSegment(const HoverState& hover, Point clickPointer) {
    AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return result;
    Tools().clickCount = 0;  // a whole measurement: a pending first point is dropped
    DimensionBuildState& state = BuildState();
    result = NotePieces(Kept(CreateSegmentArtSet(0, AssociationFor(false))));
    state.first = hover.segmentPoints[0];
    state.second = hover.segmentPoints[1];
    state.measuredPath = hover.path;
    state.direction = DirectionAngle(state.first, state.second);
    state.textRotation = 0;
    Tools().straightSegmentClick = true;
    if (!BothWays()) {
        result = LinkSegment(hover.path, hover.segmentStart, hover.segmentEnd);
        result = NoteAbandoned(Kept(BuildSegmentDimension(clickPointer)));
    }
    return StartDrag(result);
}

// An arc or a curve of an open path is measured whole; a closed path is refused.
bool RefuseClosedPath(AIArtHandle path) {
    if (BothWays() || !PathClosed(path)) return false;
    DisposeArt(ArtSet().group);
    ArtSet().group = nullptr;
    ShowAlert(texts::kPathMustBeOpen.c_str());
    return true;
}

BuildResult StartCurvedSegmentDimension(const HoverState& hover, SegmentMeasure measure) {
    if (measure == SegmentMeasure::Arc) {
        ArcClick arc;
        arc.centre = hover.centre;
        arc.radius = hover.radius;
        arc.start = hover.segmentPoints[0];
        arc.end = hover.segmentPoints[1];
        arc.pointer = hover.pointer;
        return Kept(StartArcDimension(arc));
    }
    CurveClick curve;
    curve.path = hover.path;
    curve.segment = hover.segmentStart;
    curve.t = hover.t;
    curve.point = hover.hoverPoint;
    curve.pointer = hover.pointer;
    return Kept(StartCurveDimension(curve));
}

// A whole curved segment: the curve-following dimension, or the arc-length one.
AIErr ClickOnCurvedSegment(SegmentGesture& gesture, const HoverState& hover,
                           SegmentMeasure measure) {
    AIErr result = PrepareDimensionGroup();
    if (result != kNoErr || RefuseClosedPath(hover.path)) return result;
    Tools().clickCount = 0;  // a whole measurement: a pending first point is dropped
    gesture.measure = measure;
    DimensionBuildState& state = BuildState();
    state.measuredPath = hover.path;
    state.measuredSegment = hover.segmentStart;
    if (BothWays())
        return StartDrag(NotePieces(Kept(CreateSegmentArtSet(0, Association::NotAssociative))));
    const BuildResult started = StartCurvedSegmentDimension(hover, measure);
    NotePieces(started);
    return StartDrag(NoteAbandoned(started));
}

// A line of an existing segment dimension: the dimension is rebuilt and follows the
// pointer; a member of a set goes back on the set's line and stays there.
AIErr ClickOnDimensionLine(SegmentGesture& gesture, AIArtHandle piece, Point clickPointer) {
    if (const std::optional<SetLine> line = SetLineOf(piece)) gesture.rebuiltMember = line->kind;
    const AIErr result =
        FollowBuild(kSegmentTool, Kept(RebuildSegmentDimension(piece, clickPointer)));
    if (gesture.rebuiltMember) Tools().dragActive = false;
    return result;
}

AIErr ClickOnHover(SegmentGesture& gesture, const ToolClick& click) {
    // A press on another kind of dimension belongs to its own tool; the Segment tool stays
    // current for the presses after it.
    const std::int32_t owner = ToolOfDimensionPiece(click);
    if (owner == kAngleTool || owner == kCircleTool) return HandPressTo(owner, click);
    const HoverState& hover = CurrentHover();
    if (hover.kind == HoverKind::DimensionSegmentHit)
        return ClickOnDimensionLine(gesture, hover.path, click.pointer);
    if (click.shift && click.alt) return kNoErr;
    switch (hover.kind) {
        case HoverKind::None:
            return ClickOnNothing(gesture, click.pointer);
        case HoverKind::StraightSegmentHit:
            return ClickOnStraightSegment(hover, click.pointer);
        case HoverKind::CurveHit:
            return ClickOnCurvedSegment(gesture, hover, SegmentMeasure::Curve);
        case HoverKind::ArcHit:
            return ClickOnCurvedSegment(gesture, hover, SegmentMeasure::Arc);
        default:
            return kNoErr;
    }
}

void SnapToMemory(const SegmentMemory& memory, const AIToolMessage* message) {
    ToolState& tools = Tools();
    AIReal zoom = 1;
    if (sAIDocumentView->GetDocumentViewZoom(nullptr, &zoom) != kNoErr || zoom <= 0) zoom = 1;
    const AIReal tolerance = kSnapPixels / zoom;
    const AIRealPoint cursor{tools.cursor.h, tools.cursor.v};
    const auto close = [&](Point p) {
        const AIRealPoint end{p.h, p.v};
        AIBoolean isClose = false;
        return sAIRealMath->AIRealPointClose(&end, &cursor, tolerance, &isClose) == kNoErr &&
               isClose;
    };
    const auto missed = [&] {
        ShowCursor(message,
                   tools.straightSegmentClick ? cursors::kStraightSegment : cursors::kNothing);
    };
    Point found;
    if (memory.FindClose(close, missed, &found)) {
        tools.cursor = found;
        ShowCursor(message, cursors::kAnchor);
    }
}

// Whether the dimension just placed measured between the build state's two points: a
// curve-following one measures along its curve, and a both-ways one on a curve or an arc
// takes its points from the bounds only while it is dragged.
bool MeasuredTwoPoints(SegmentMeasure measure) {
    return measure == SegmentMeasure::BetweenPoints ||
           (measure == SegmentMeasure::Arc && !BothWays());
}

// Two presses on one point measure nothing: the user is told and the dimension goes.
bool RefuseZeroLength(SegmentMeasure measure) {
    const DimensionBuildState& state = BuildState();
    if (measure != SegmentMeasure::BetweenPoints || BothWays() || !ArtSet().group ||
        !SamePoint(state.first, state.second))
        return false;
    ShowAlert(texts::kDistinctPoints.c_str());
    DisposeArt(ArtSet().group);
    ArtSet() = DimensionArtSet{};
    Tools().built[kSegmentTool] = false;
    return true;
}

}  // namespace

// A click on a point adds to the set under way, or begins ordinates; otherwise it fixes
// a point of the measurement.
AIErr SegmentTool::ClickOnPoint(const HoverState& hover, Point clickPointer) {
    const ClickedPoint clicked = PointOfHover(hover);
    const bool beginsOrdinates =
        Settings().setMode == kOrdinateMode && !BothWays() && Tools().clickCount == 0;
    if (!set_.UnderWay() && !beginsOrdinates) {
        if (Tools().clickCount == 0) return FirstPoint(gesture_, clicked);
        BuildState().measuredPath = hover.path;  // what a both-ways dimension measures
        return SecondPoint(gesture_, clicked, clickPointer);
    }
    if (set_.UnderWay() && SamePoint(set_.From(), clicked.point)) {
        ShowAlert(texts::kDistinctPoints.c_str());
        return kNoErr;
    }
    const BuildResult added =
        Kept(set_.UnderWay() ? set_.Add(clicked) : set_.BeginOrdinates(clicked));
    if (added.outcome != BuildOutcome::Built) return NoteAbandoned(added);
    Tools().built[kSegmentTool] = true;
    return StartDrag(added.code);
}

// What the click did is told by the dimension it made; the host hears how the group's
// naming went. A click on anything but a point ends a set under way, and on empty canvas
// that is all it does.
AIErr SegmentTool::Click(const ToolClick& click) {
    const HoverState& hover = CurrentHover();
    const std::int32_t owner = ToolOfDimensionPiece(click);
    const bool onPoint = IsPointKind(hover.kind) && owner != kAngleTool && owner != kCircleTool &&
                         !(click.shift && click.alt);
    if (onPoint) {
        ClickOnPoint(hover, click.pointer);
    } else if (set_.UnderWay()) {
        set_.End();
        if (hover.kind != HoverKind::None) ClickOnHover(gesture_, click);
    } else {
        ClickOnHover(gesture_, click);
    }
    return NameCurrentGroup();
}

AIErr SegmentTool::Drag(const ToolEvent& event) {
    SnapToMemory(memory_, event.message);
    if (set_.Placing()) return NoteAbandoned(Kept(set_.Drag(Tools().cursor, event.keys)));
    return NoteAbandoned(Kept(DragSegmentDimension(gesture_.measure, Tools().cursor, event.keys)));
}

AIErr SegmentTool::MouseUp(const ToolEvent&) {
    ToolState& tools = Tools();
    AIErr result = kNoErr;
    if (set_.Placing()) {
        result = set_.Release();
    } else if (tools.dragActive && !RefuseZeroLength(gesture_.measure) &&
               MeasuredTwoPoints(gesture_.measure)) {
        memory_.Add(BuildState().first, BuildState().second, Settings().memoryCapacity);
        // A chain or a baseline set goes on from a dimension between two clicked points.
        const std::int32_t mode = Settings().setMode;
        if ((mode == kChainMode || mode == kBaselineMode) && gesture_.second && !BothWays() &&
            gesture_.measure == SegmentMeasure::BetweenPoints)
            result = set_.Begin(mode, gesture_.first, *gesture_.second);
    }
    gesture_.measure = SegmentMeasure::BetweenPoints;
    tools.straightSegmentClick = false;
    return result;
}

const char* SegmentTool::GroupName() const {
    // A member of a set is named after its set's line.
    if (Settings().setMode != kSingleMode || gesture_.rebuiltMember) {
        if (const std::optional<SetLine> line = SetLineOf(ArtSet().slots[0].lineA)) {
            if (line->kind == SetLineKind::Oblique) return texts::kGroupSegmentOblique.c_str();
            const bool horizontal =
                line->kind == SetLineKind::Horizontal || line->kind == SetLineKind::OrdinateX;
            return horizontal ? texts::kGroupSegmentHorizontal.c_str()
                              : texts::kGroupSegmentVertical.c_str();
        }
    }
    if (BothWays()) return texts::kGroupSegmentBoth.c_str();
    if (gesture_.measure == SegmentMeasure::Curve) return texts::kGroupSegmentCurve.c_str();
    if (gesture_.measure == SegmentMeasure::Arc) return texts::kGroupSegmentArc.c_str();
    switch (Settings().dimensionType) {
        case kObliqueType:
            return texts::kGroupSegmentOblique.c_str();
        case kHorizontalType:
            return texts::kGroupSegmentHorizontal.c_str();
        case kVerticalType:
            return texts::kGroupSegmentVertical.c_str();
        default:
            return texts::kGroupSegmentError.c_str();
    }
}

}  // namespace quill
