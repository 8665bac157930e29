// What the dimension builders keep between the click that starts a dimension and the
// mouse-up that leaves it in place. Document points, y upwards; angles in radians.
#pragma once

#include <cstdint>

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

struct DimensionBuildState {
    Point first, second;       // the measured points
    float direction = 0;       // from the first point to the second
    float textRotation = 0;    // the rotation the label was last given
    Point lineStart, lineEnd;  // the dimension line's ends after the offset
    float arrowInset = 0;      // how far the line stops short of an arrowhead's tip, scaled

    // The Segment tool's measurement under way.
    AIArtHandle firstPath = nullptr;  // path and anchor of an anchor first point
    std::int16_t firstAnchor = -1;
    bool firstSnapped = false;    // the first point was a snapped point
    bool lastClickFree = false;   // the last click fell on nothing: a free point
    bool onlyFirstPoint = false;  // the current group holds a dimension with its first point only
    Point clickCursor;            // the pointer at the measuring click
    AIArtHandle measuredPath = nullptr;  // the clicked path (both-ways type, curve, arc)
    std::int16_t measuredSegment = -1;   // the clicked segment's start anchor (curve, arc)

    // An arc segment: centre, radius, signed sweep from A1 to A2 (the first and second
    // points), and the radius of the dimension arc.
    Point arcCentre;
    float arcRadius = 0;
    float arcSweep = 0;

    // A curve: the clicked point, the tangent direction there, the side flag of the
    // offset line.
    Point curvePoint;
    float curveTangent = 0;
    bool curveSide = false;

    // The pair of points the mouse-up remembers, when a dimension was placed.
    bool hasPlacedPair = false;
    Point placedFirst, placedSecond;
};

DimensionBuildState& BuildState();

}  // namespace quill
