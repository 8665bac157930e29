// The angle dimension under construction, from the click that measures it to the mouse-up
// that leaves it in place: the angle measured, how, and how it was last drawn. The tool
// that measures fills in the angle; the builders add the rest. Document points, y
// upwards; angles in radians.
#pragma once

#include "plugin/geometry/angles.h"

namespace quill {

/// What an angle dimension measures: the angle between two sides (at a vertex or between
/// two clicked sides), or a circular arc seen from its centre ("arc mode").
enum class AngleSource { Sides, Arc };

struct AngleBuildState {
    Angle angle;  // vertex V (or the arc's centre), S1, S2 and the signed opening δ
    AngleSource source = AngleSource::Sides;
    float radius = 0;  // the radius R the dimension was last drawn at, points
    /// The pointer lies outside the sector between the sides: the reflex angle is measured.
    bool outside = false;
    /// The dimension was last drawn as a right-angle square.
    bool rightAngle = false;
};

/// Part of the plug-in object's state record bound to the message being handled
/// (frame/quill_state.h).
AngleBuildState& AngleBuild();

}  // namespace quill
