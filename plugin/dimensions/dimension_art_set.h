// The pieces of the dimension under construction, kept between mouse events while it
// is built and dragged. The document owns the art; these are only handles, checked for
// validity before every use, the piece made again when it is gone.
#pragma once

#include <vector>

#include "plugin/dimensions/build_outcome.h"
#include "sdk/errors.h"
#include "sdk/types.h"

namespace quill {

/// One set of pieces. Slot 0 serves every dimension; slot 1 only the vertical part of a
/// horizontal-and-vertical segment dimension, which shares the group.
struct DimensionSlot {
    AIArtHandle label = nullptr;
    AIArtHandle tolerance[2] = {nullptr, nullptr};
    AIArtHandle extension[2] = {nullptr, nullptr};
    AIArtHandle lineA = nullptr;  // the whole dimension line, or its first half
    AIArtHandle lineB = nullptr;  // the second half of a line the label interrupts
    AIArtHandle arrowhead[2] = {nullptr, nullptr};
};

struct DimensionArtSet {
    AIArtHandle group = nullptr;  // the current dimension group
    DimensionSlot slots[2];
    // A circle dimension: the leader to the label, and the radius or diameter line.
    AIArtHandle leader = nullptr;
    AIArtHandle radiusLine = nullptr;
    AIArtHandle dimensionArc = nullptr;  // the arc of an arc-segment dimension
    // An angle dimension: its arc (or right-angle square), which carries its link; in arc
    // mode the path from one end of the arc through the centre to the other; with
    // multiple arcs the copies of the arc, each below the one before.
    AIArtHandle angleArc = nullptr;
    AIArtHandle arcRadiusLines = nullptr;
    std::vector<AIArtHandle> extraArcs;
    /// The group holds a dimension with its first point only: the next group made
    /// disposes of it, and so does leaving the tool.
    bool onlyFirstPoint = false;
    /// The code of the latest piece the host would not finish (it was disposed), 0 when
    /// every piece was made: noted by the primitives, told by the builders in their result
    /// (`Reported`), cleared at every mouse-down.
    AIErr unfinished = kNoErr;
};

/// Part of the plug-in object's state record bound to the message being handled
/// (frame/quill_state.h).
DimensionArtSet& ArtSet();

/// `result`, telling the piece left unfinished since the press began unless it tells one
/// already. Every builder answers through it.
BuildResult Reported(BuildResult result);

/// Disposes of a group left with a dimension's first point only, and forgets its pieces.
void AbandonFirstPointOnly();

}  // namespace quill
