// The pieces particular to angle dimensions, kept in `DimensionArtSet`: the arc, the
// radius lines of arc mode and the copies of the arc. Each is made again when missing.
#pragma once

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// Makes the arc when missing: below the radius lines in arc mode, else below the label.
/// False when there is none.
bool EnsureAngleArc(AIErr* result);

/// Makes the radius lines of arc mode when missing, below the label. False when there are
/// none.
bool EnsureArcRadiusLines(AIErr* result);

/// Disposes of the copies of the arc.
AIErr DisposeExtraArcs();

/// Copies the arc `count` − 1 times, each copy below the one before, scaled about `centre`
/// so that copy k has the radius `radius` + k × `spacing` (points). At most
/// `kMostConcentricArcs` arcs; none for a radius of 0 or less.
AIErr CopyArcConcentrically(Point centre, float radius, int count, float spacing);

/// A hand-edited "NbArcs" cannot flood the drawing: arcs beyond this many are not drawn.
constexpr int kMostConcentricArcs = 100;

}  // namespace quill
