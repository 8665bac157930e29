// The pieces of a circle dimension, made in the current dimension group: the label and
// tolerance texts, the leader (which carries the link), the radius line and the
// arrowheads.
#pragma once

#include "plugin/dimensions/build_outcome.h"
#include "sdk/types.h"

namespace quill {

/// Creates, in the current group, the label (slot 0) and the tolerance texts that are
/// switched on, inside the group on top; the leader (3 segments at the origin, marked as
/// a circle dimension's main line) below the label; the radius line (2 segments, marked)
/// below the leader; and with "Zoom" above 0 arrowheads 1 and 2 below it. Marks the
/// circle dimension as under construction. Nothing is built when the group is gone.
BuildResult CreateCircleArtSet();

/// Makes the radius line again when it is gone: below the leader, with the leader's
/// marks and links but for the main-line marker.
AIErr EnsureRadiusLine();

/// A leader whose first three anchors all stand at the origin was never shaped by a
/// build: it is disposed. Safe when the leader is gone.
BuildResult DisposeLeaderNeverShaped();

}  // namespace quill
