// The angle of a circular arc seen from its centre ("arc mode"): the arc of the angle
// dimension drawn at the working radius, lines from its ends through the centre, and the
// label on the side of the pointer.
#include "plugin/dimensions/angle_dimension.h"
#include "plugin/dimensions/angle_drawing.h"
#include "plugin/dimensions/angle_pieces.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/geometry/path_lengths.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/host_steps.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr float kLabelRadius = 0.6f;
// How far the radius lines reach beyond the arc, per percent of arrowhead scale.
constexpr float kOvershootPerPercent = 0.04f;

// The radius lines S1' → V → S2', S1' and S2' on the rays towards the sides at `reach`.
AIErr DrawRadiusLines(const Angle& angle, float reach) {
    AIErr made = kNoErr;
    if (!EnsureArcRadiusLines(&made)) return made;
    const Point ends[3] = {
        PointAt(angle.vertex, reach, DirectionAngle(angle.vertex, angle.first)), angle.vertex,
        PointAt(angle.vertex, reach, DirectionAngle(angle.vertex, angle.second))};
    PathSegment corners[3];
    for (int i = 0; i < 3; ++i) corners[i] = {ends[i], ends[i], ends[i], true};
    HostSteps steps;
    steps << SetPathShape(ArtSet().arcRadiusLines, corners, 3, false);
    steps << sAIPathStyle->SetPathStyle(ArtSet().arcRadiusLines, &Styles().stroke);
    return steps.Last();
}

// The point at half the length of the drawn arc, as the host's Bézier service finds it.
bool ArcMiddle(AIArtHandle arc, Point* middle, AIErr* code) {
    try {
        const HostPath path(arc);
        const HostBezierService service;
        const int anchors = path.AnchorCount();
        if (anchors < 2) return false;
        const float length = PathLengthBetween(path, service, 0, anchors - 1);
        *middle = PointAtLength(path, service, length / 2).point;
        return true;
    } catch (const ai::Error& error) {
        *code = error.code();
        return false;
    }
}

// Of the two places opposite each other about the vertex, the one nearer to the pointer
// (the farther with Alt); a tie takes the first without Alt, the second with it.
Point LabelPlace(Point vertex, float radius, float towards, Point pointer, bool alt) {
    const Point first = PointAt(vertex, kLabelRadius * radius, towards);
    const Point second = vertex - PolarVector(kLabelRadius * radius, towards);
    const float toFirst = PointDistance(first, pointer);
    const float toSecond = PointDistance(second, pointer);
    const bool takeFirst = alt ? toFirst > toSecond : toFirst <= toSecond;
    return takeFirst ? first : second;
}

}  // namespace

AIErr BuildArcAngleDimension(float radius, Point pointer, const DragKeys& keys, BuildPhase phase) {
    if (keys.escape) return PlaceAngleLabel(pointer);
    RefreshStrokeWidths();
    const AngleBuildState& state = AngleBuild();
    const Angle& angle = state.angle;
    AngleDrawing d;
    d.vertex = angle.vertex;
    d.radius = radius;
    d.opening = angle.opening;
    d.firstDirection = DirectionAngle(angle.vertex, angle.first);
    d.outside = state.outside;
    d.style = CurrentArcStyle();
    d.keys = keys;
    d.pointer = pointer;
    d.phase = phase;
    const bool reflex = state.outside != keys.alt;
    HostSteps steps;
    DrawnAngleArc drawn;
    steps << DrawAngleArcs(d, reflex, &drawn);
    const float scale =
        d.style == ArcStyle::Multiple ? 0.0f : static_cast<float>(Settings().arrowSize);
    steps << DrawRadiusLines(angle, d.radius + kOvershootPerPercent * scale);
    if (drawn.square) return steps.Last();

    steps << WriteAngleLabel(angle.opening, reflex);
    Point middle = drawn.anchors[1].p;
    AIErr measured = kNoErr;
    if (!ArcMiddle(ArtSet().angleArc, &middle, &measured)) steps << measured;
    float towards = DirectionAngle(angle.vertex, middle);
    if (reflex) towards += kPi;
    steps << PlaceAngleLabel(LabelPlace(angle.vertex, d.radius, towards, pointer, keys.alt));
    return steps.Last();
}

}  // namespace quill
