// The length of a circular arc of a path, dimensioned by a concentric arc.
#pragma once

#include "plugin/dimensions/build_outcome.h"
#include "plugin/dimensions/segment_layout.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// The arc clicked: the circle found under the pointer, the arc's two anchors, and the
/// pointer.
struct ArcClick {
    Point centre;
    float radius = 0;
    Point start, end;
    Point pointer;
};

/// The click on an arc: the pieces, and the first build at the radius plus "Attaches".
/// Nothing is built when the dimension group is gone.
BuildResult StartArcDimension(const ArcClick& click);
/// The arc dimension for the current "Attaches"; while dragging the offset follows
/// the pointer (Shift: in steps of 10 points) and Escape moves only the label.
BuildResult BuildArcDimension(const DragKeys& keys, Point pointer, BuildPhase phase);

}  // namespace quill
