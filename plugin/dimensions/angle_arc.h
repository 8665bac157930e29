// Circular arcs of dimensions, drawn as Bézier sections, and the arrowheads at their
// ends. Shared by the arc-length dimension and the angle dimensions.
#pragma once

#include "plugin/dimensions/drag_keys.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// Which way round an arc goes from its start: by its sweep, or the other way to the
/// same end.
enum class ArcWay { BySweep, OtherWay };

/// The arc of radius `radius` about `centre`, from the direction `start` turning by
/// `sweep` clockwise (y upwards; a negative sweep turns counter-clockwise), or the other
/// way round to the same end (`ArcWay::OtherWay`) (then it turns by 2π − |sweep|), in
/// `sections` sections (1 to 4): every section but the last a quarter, with handles of
/// 0.5522847771644592 × radius; the last one's handles shrink linearly with its angle.
/// Quarters that would pass the end stop there. Written into `path` as an open path of
/// sections + 1 corner anchors, in the dimension lines' style.
AIErr DrawAngleArc(Point centre, float radius, float sweep, float start, int sections, ArcWay way,
                   AIArtHandle path);

/// The anchors of such an arc, in the arc's own frame turned by `start` and moved to
/// `centre`. `anchors` receives sections + 1 segments.
void AngleArcSegments(Point centre, float radius, float sweep, float start, int sections,
                      ArcWay way, PathSegment* anchors);

/// The two arrowheads of an arc of radius `radius` at the ends `end1` (direction from
/// the centre `direction1`) and `end2` (`direction2`): along the arc's tangent, tilted
/// towards the arc by arctan(0.025 × "Zoom" / radius), turned outside when `direction` is
/// outward. `opening` is the signed angle the arc measures: for an opening of 0 or less
/// the arc turns counter-clockwise from end 1. Made when missing, arrowhead 1 below `arc`.
AIErr PlaceAngleArrowheads(AIArtHandle arc, float radius, Point end1, float direction1, Point end2,
                           float direction2, float opening, ArrowDirection direction);

}  // namespace quill
