// The part of an angle dimension's drawing that the arc mode shares: the arc or arcs and
// the arrowheads, or the right-angle square.
#pragma once

#include "plugin/dimensions/angle_dimension.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// What was drawn: the arc's anchors (sections + 1 of them), or a square.
struct DrawnAngleArc {
    static constexpr int kMostAnchors = 5;
    PathSegment anchors[kMostAnchors];
    int anchorCount = 0;
    bool square = false;
};

/// Disposes of the copies of the previous drawing while dragging multiple arcs; then
/// either the right-angle square (a right angle, not reflex, normal arcs, squares asked
/// for: arrowheads, label and tolerance texts go) or the arc shortened for its arrowheads,
/// the arrowheads, or the concentric copies. `reflex` is the outside flag after Alt. Records
/// the square in the build state.
AIErr DrawAngleArcs(const AngleDrawing& drawing, bool reflex, DrawnAngleArc* drawn);

/// Moves the label to `centre`, horizontal, and the tolerance texts after it.
AIErr PlaceAngleLabel(Point centre);

/// Writes the label of the opening for the reflex angle or not, making it when missing.
AIErr WriteAngleLabel(float opening, bool reflex);

}  // namespace quill
