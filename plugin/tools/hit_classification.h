// The classification by the host's hit tests that the Angle, Circle and Bézier tools
// share; each tool's hover file says how it looks.
#pragma once

#include "plugin/geometry/types.h"
#include "plugin/tools/hover_state.h"

namespace quill {

/// How a tool looks at what the host's hit tests find.
struct HitLook {
    bool vertices = true;           ///< an anchor is tested for an angle's vertex
    bool dimensionAnchors = false;  ///< the anchors of dimension pieces are seen
    bool crossings = true;          ///< a crossing of two paths is looked for
    bool shapeAtHitPoint = false;   ///< a straight segment's point is the host's hit point
};

/// Classifies into `hover` what lies under the pointer (document points): an anchor
/// (with whether it is an angle's vertex), a crossing of two paths, a straight segment, a
/// circular arc or another curve; dimension art is invisible, but for the lines and arcs
/// of dimensions and, where the look sees them, their anchors. Host failures raise
/// ai::Error (run it through `RunClassification`); a path locked for the crossing test is
/// always unlocked again.
void ClassifyByHitTests(HoverState& hover, Point pointer, const HitLook& look);

}  // namespace quill
