// The members of a set of segment dimensions, each built on the set's line: an ordinary
// oblique, horizontal or vertical dimension whose line stands at the line's place, or an
// ordinate, a leader from the measured point to the set's common line with the point's
// coordinate from the zero.
#pragma once

#include "plugin/dimensions/build_outcome.h"
#include "plugin/dimensions/drag_keys.h"
#include "plugin/dimensions/set_line.h"
#include "plugin/geometry/types.h"

namespace quill {

/// Builds the dimension between the measured points of the build state (for an ordinate
/// the zero, then the point) in the current pieces, its line on `line`. `pointer` is where
/// the pointer stands for the keys that move the label; an oblique line goes through it.
BuildResult BuildOnSetLine(const SetLine& line, const DragKeys& keys, Point pointer);

/// Where the line of the dimension just built stands, of the kind of its set; an oblique
/// line's place is its offset `lineOffset`.
float BuiltPlace(SetLineKind kind, double lineOffset);

}  // namespace quill
