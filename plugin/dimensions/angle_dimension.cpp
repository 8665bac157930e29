#include "plugin/dimensions/angle_dimension.h"

#include <cmath>

#include "plugin/dimensions/angle_arc.h"
#include "plugin/dimensions/angle_drawing.h"
#include "plugin/dimensions/angle_layout.h"
#include "plugin/dimensions/angle_pieces.h"
#include "plugin/dimensions/arrowheads.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/label_text.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/host_steps.h"
#include "plugin/services/suites.h"
#include "plugin/settings/label_styles.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/label.h"

namespace quill {

namespace {

// The label sits on this fraction of the arc's radius.
constexpr float kLabelRadius = 0.6f;
constexpr float kPercent = 0.01f;

// The arrowheads' scale, in percent: none for multiple arcs.
float ArrowScale(ArcStyle style) {
    return style == ArcStyle::Multiple ? 0.0f : static_cast<float>(Settings().arrowSize);
}

AIErr DisposeArrowheads() {
    DimensionSlot& pieces = ArtSet().slots[0];
    HostSteps steps;
    steps << DisposeArt(pieces.arrowhead[0]) << DisposeArt(pieces.arrowhead[1]);
    return steps.Last();
}

AIErr DrawSquare(const AngleDrawing& d, DrawnAngleArc* drawn) {
    HostSteps steps;
    AIErr made = kNoErr;
    if (EnsureAngleArc(&made))
        steps << DrawRightAngle(d.vertex, d.radius, d.opening, d.firstDirection, ArtSet().angleArc);
    else
        steps << made;
    DimensionSlot& pieces = ArtSet().slots[0];
    steps << DisposeArrowheads() << DisposeArt(pieces.label) << DisposeArt(pieces.tolerance[0])
          << DisposeArt(pieces.tolerance[1]);
    drawn->square = true;
    return steps.Last();
}

AIErr DrawArc(const AngleDrawing& d, bool reflex, DrawnAngleArc* drawn) {
    HostSteps steps;
    AIErr made = kNoErr;
    if (!EnsureAngleArc(&made)) steps << made;
    const float scale = ArrowScale(d.style);
    const float arrowLength = Settings().arrowOutline.arrowInset * kPercent * scale;
    const float room = ArrowRoom(arrowLength, d.radius, d.keys.Arrows(), reflex);
    const AngleArcPlan plan = PlanAngleArc(d.opening, d.firstDirection, room, reflex);
    const AIArtHandle arc = ArtSet().angleArc;
    steps << DrawAngleArc(d.vertex, d.radius, plan.sweep, plan.start, plan.sections, plan.way, arc);
    AngleArcSegments(d.vertex, d.radius, plan.sweep, plan.start, plan.sections, plan.way,
                     drawn->anchors);
    drawn->anchorCount = plan.sections + 1;
    if (d.style == ArcStyle::Multiple) {
        steps << sAIPathStyle->SetPathStyle(arc, &Styles().stroke) << DisposeArrowheads();
        steps << CopyArcConcentrically(d.vertex, d.radius, Settings().arcCount,
                                       static_cast<float>(Settings().arcSpacing));
        return steps.Last();
    }
    if (scale == 0) {
        steps << DisposeArrowheads();
        return steps.Last();
    }
    const float end = plan.arrowStart - plan.arrowSweep;
    steps << PlaceAngleArrowheads(arc, d.radius, PointAt(d.vertex, d.radius, plan.arrowStart),
                                  plan.arrowStart, PointAt(d.vertex, d.radius, end), end, d.opening,
                                  d.keys.Arrows());
    return steps.Last();
}

}  // namespace

ArcStyle CurrentArcStyle() {
    return Settings().multipleArcs ? ArcStyle::Multiple : ArcStyle::Normal;
}

void AngleText(float opening, bool reflex, LabelText& label) {
    ComposeAngleLabel(opening, reflex, MainMeasureFormat(Settings()), label);
}

AIErr WriteAngleLabel(float opening, bool reflex) {
    LabelText label;
    AngleText(opening, reflex, label);
    return CreateLabelText(0, label.c_str());
}

AIErr PlaceAngleLabel(Point centre) {
    HostSteps steps;
    steps << PlaceLabel(ArtSet().slots[0].label, centre, 0);
    steps << PlaceToleranceTexts(0, kHorizontalType, 0);
    return steps.Last();
}

AIErr DrawAngleArcs(const AngleDrawing& d, bool reflex, DrawnAngleArc* drawn) {
    HostSteps steps;
    if (d.phase == BuildPhase::WhileDragging && d.style == ArcStyle::Multiple)
        steps << DisposeExtraArcs();
    AngleBuildState& state = AngleBuild();
    state.rightAngle = d.rightAngles == RightAngles::AsSquares && !reflex &&
                       d.style == ArcStyle::Normal && IsRightAngle(d.opening);
    steps << (state.rightAngle ? DrawSquare(d, drawn) : DrawArc(d, reflex, drawn));
    state.radius = d.radius;
    return steps.Last();
}

AIErr BuildAngleDimension(const AngleDrawing& d) {
    if (d.keys.escape) return PlaceAngleLabel(d.pointer);
    RefreshStrokeWidths();
    const bool reflex = d.outside != d.keys.alt;
    HostSteps steps;
    DrawnAngleArc drawn;
    steps << DrawAngleArcs(d, reflex, &drawn);
    if (drawn.square) return steps.Last();
    steps << WriteAngleLabel(d.opening, reflex);
    const float towards =
        AngleLabelDirection(d.vertex, drawn.anchors[0].p, drawn.anchors[1].p,
                            drawn.anchors[drawn.anchorCount - 1].p, d.opening, reflex);
    steps << PlaceAngleLabel(PointAt(d.vertex, kLabelRadius * d.radius, towards));
    return steps.Last();
}

BuildResult StartAngleDimension(const Angle& angle) {
    AngleBuildState& state = AngleBuild();
    state = AngleBuildState{};
    state.angle = angle;
    AngleDrawing d;
    d.vertex = angle.vertex;
    d.radius = static_cast<float>(Settings().angleRadius) * kPointsPerMillimetre;
    d.opening = angle.opening;
    d.firstDirection = DirectionAngle(angle.vertex, angle.first);
    d.style = CurrentArcStyle();
    d.pointer = angle.vertex;
    return Reported({BuildAngleDimension(d), BuildOutcome::Built});
}

BuildResult StartArcAngleDimension(const Angle& angle, Point pointer) {
    AngleBuildState& state = AngleBuild();
    state = AngleBuildState{};
    state.angle = angle;
    state.source = AngleSource::Arc;
    // In arc mode the working radius, in points, is held in "RayonAngle".
    const float arcRadius = PointDistance(angle.vertex, angle.first);
    BuildResult built;
    built.angleRadius = arcRadius + Settings().lineOffset;
    built.code = BuildArcAngleDimension(static_cast<float>(*built.angleRadius), pointer, DragKeys{},
                                        BuildPhase::AtClick);
    return Reported(built);
}

BuildResult DragAngleDimension(Point pointer, const DragKeys& keys) {
    AngleBuildState& state = AngleBuild();
    float distance = PointDistance(state.angle.vertex, pointer);
    if (keys.shift) {
        const float step = static_cast<float>(Settings().angleRadius) * kPointsPerMillimetre;
        if (step > 0) distance = std::ceil(distance / step) * step;
    }
    state.outside = !StrictlyInsideOpening(state.angle, pointer);
    if (state.source == AngleSource::Arc) {
        BuildResult built;
        built.angleRadius = distance;
        built.code = BuildArcAngleDimension(distance, pointer, keys, BuildPhase::WhileDragging);
        return Reported(built);
    }
    AngleDrawing d;
    d.vertex = state.angle.vertex;
    d.radius = distance;
    d.opening = state.angle.opening;
    d.firstDirection = DirectionAngle(state.angle.vertex, state.angle.first);
    d.outside = state.outside;
    d.style = CurrentArcStyle();
    d.keys = keys;
    d.pointer = pointer;
    d.phase = BuildPhase::WhileDragging;
    return Reported({BuildAngleDimension(d)});
}

}  // namespace quill
