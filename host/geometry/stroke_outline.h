// The outline of a path's stroke: the area the stroke paints, as closed paths of cubic
// Béziers. Document points, y upwards.
//
// Each side is the path offset by half the width, one cubic per piece of the path where
// that is within 0.05 point, halved where it is not; corners get the join on their outer
// side and pass through the anchor on their inner side (the fill rule hides the overlap);
// open ends get the cap. Where a bend is tighter than half the width (the radius of
// curvature is smaller), the offset on its inner side would reverse and fold over: the
// path is cut at the tightest point of each such bend and every stretch is outlined on
// its own, so the outline falls apart into several pieces.
#pragma once

#include <vector>

#include "sdk/sdk.h"

namespace host::geom {

/// How a stroke is drawn: width in points, cap (kAIButtCap, kAIRoundCap,
/// kAIProjectingCap), join (kAIMiterJoin, kAIRoundJoin, kAIBevelJoin), miter limit as a
/// ratio of the miter's length to the width.
struct StrokeShape {
    double width = 1;
    int cap = kAIButtCap;
    int join = kAIMiterJoin;
    double miterLimit = 4;
};

/// One closed outline: its anchors, in order.
using Outline = std::vector<AIPathSegment>;

/// The outlines of the stroke of the path. An open path gives one outline (starting at
/// the left side of its first anchor, along the left side, around the end cap, back along
/// the right side and around the start cap), or several when tight bends cut it; a closed
/// path gives its outer and inner edges. Nothing for a path of fewer than two anchors, a
/// width that is not positive, or non-finite coordinates.
std::vector<Outline> OutlineStroke(const std::vector<AIPathSegment>& segments, bool closed,
                                   const StrokeShape& shape);

}  // namespace host::geom
