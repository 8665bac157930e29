// Where the pieces of an angle dimension go, computed before any of them is drawn: the
// room the arrowheads take on the arc, the arc's start, sweep and sections, the label's
// direction. Document points, y upwards; angles in radians, counter-clockwise from +x.
#pragma once

#include "plugin/dimensions/angle_arc.h"
#include "plugin/geometry/types.h"

namespace quill {

/// The angle f0 an arrowhead of length `arrowLength` (points, the scaled inset of its
/// shape) takes on an arc of radius `radius`: 2·arctan(arrowLength / (2 · radius)), when
/// the arrowheads lie on the arc, that is inward on the opening or outward on the reflex
/// angle; 0 otherwise, and for a radius of 0 or less.
float ArrowRoom(float arrowLength, float radius, ArrowDirection arrows, bool reflex);

/// How the arc of an angle dimension is drawn, and where its arrowheads go.
struct AngleArcPlan {
    float start = 0;  // direction of the arc's first anchor
    float sweep = 0;  // turned clockwise from `start` (see `DrawAngleArc`)
    int sections = 1;
    ArcWay way = ArcWay::BySweep;
    // The arrowheads' ends: the directions `arrowStart` and `arrowStart` − `arrowSweep`.
    float arrowStart = 0, arrowSweep = 0;
};

/// The arc for an opening δ (`opening`) whose first side has direction α
/// (`firstDirection`), shortened by `arrowRoom` at each end; `reflex`: the reflex angle,
/// 2π − |δ|, is drawn the other way round.
AngleArcPlan PlanAngleArc(float opening, float firstDirection, float arrowRoom, bool reflex);

/// The direction from the vertex of the label of an arc from `first` to `last` whose
/// second anchor is `second`: towards the middle of the chord, turned by π for the reflex
/// angle (`reflex`) unless the opening δ is ±π; towards the second anchor when the vertex
/// lies on the chord.
float AngleLabelDirection(Point vertex, Point first, Point second, Point last, float opening,
                          bool reflex);

}  // namespace quill
