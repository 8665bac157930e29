// Angle dimensions: an arc of radius R about the vertex with two arrowheads, a set of
// concentric arcs, or a right-angle square, and a label with the angle in degrees. Built
// at the click that measures the angle and again at every drag event with the keys held.
// Document points, y upwards; angles in radians, counter-clockwise from +x.
#pragma once

#include "plugin/dimensions/angle_build_state.h"
#include "plugin/dimensions/build_outcome.h"
#include "plugin/dimensions/drag_keys.h"
#include "plugin/geometry/angles.h"
#include "plugin/geometry/types.h"
#include "plugin/text/measure_text.h"
#include "sdk/types.h"

namespace quill {

/// "StyleArc": one arc with arrowheads, or "NbArcs" concentric arcs "EcartArcs" apart
/// without arrowheads.
enum class ArcStyle { Normal, Multiple };
/// The arc style of the settings.
ArcStyle CurrentArcStyle();

/// Whether an angle within 10^(−"Precision") degrees of 90 is drawn as a square: only for
/// the Angle tool's own dimensions.
enum class RightAngles { AsSquares, AsArcs };

/// The pieces of an angle dimension, in the current group: the label and the tolerance
/// texts that are switched on, inside the group on top; in arc mode the radius lines below
/// the label; the arc below them (below the label otherwise); arrowhead 1 below the arc
/// and arrowhead 2 below it. Nothing is built when the group is gone.
BuildResult PrepareAngleArt(AngleSource source);

/// One drawing of an angle dimension.
struct AngleDrawing {
    Point vertex;
    float radius = 0;          // R, points
    float opening = 0;         // δ
    float firstDirection = 0;  // α, from the vertex towards the first side
    bool outside = false;      // the pointer outside the sector (before Alt inverts it)
    ArcStyle style = ArcStyle::Normal;
    RightAngles rightAngles = RightAngles::AsSquares;
    DragKeys keys;  // Ctrl: arrowheads outward; Alt: the other angle; Esc: only the label
    Point pointer;  // where Esc moves the label
    BuildPhase phase = BuildPhase::AtClick;
};

/// Draws the arc(s), arrowheads, label and tolerance texts, remaking missing pieces. With
/// Esc only the label and its tolerances move, to the pointer. Returns the last host code.
AIErr BuildAngleDimension(const AngleDrawing& drawing);

/// Arc mode: the arc at the radius held in "RayonAngle" (points), the radius lines from
/// the arc's ends through the centre, the label on the arc's middle direction on the
/// pointer's side (the other side with Alt). Esc moves only the label to the pointer.
AIErr BuildArcAngleDimension(float radius, Point pointer, const DragKeys& keys, BuildPhase phase);

/// The first drawing of an angle between sides, at "RayonAngle" millimetres, no key held.
BuildResult StartAngleDimension(const Angle& angle);
/// The first drawing of an arc's angle, the working radius in "RayonAngle" set to the
/// arc's radius plus "Attaches".
BuildResult StartArcAngleDimension(const Angle& angle, Point pointer);

/// A drag event: the radius follows the pointer's distance from the vertex (with Shift
/// rounded up to a multiple of "RayonAngle" millimetres), and the reflex angle is measured
/// while the pointer lies outside the sector between the sides.
BuildResult DragAngleDimension(Point pointer, const DragKeys& keys);

/// The label of the opening δ: |δ| in degrees, or 360 minus it for the reflex angle, with
/// "Precision" decimals and "°" when "AfficheUnite" is on.
void AngleText(float opening, bool reflex, LabelText& label);

/// Whether the opening lies strictly within 10^(−"Precision") degrees of a right angle.
bool IsRightAngle(float opening);

/// The right-angle square of side R: corners (R, 0), (R, R), (0, R) turned by α (for δ > 0
/// by a further 3π/2) and moved to V, in the dimension lines' style.
AIErr DrawRightAngle(Point vertex, float radius, float opening, float firstDirection,
                     AIArtHandle path);

}  // namespace quill
