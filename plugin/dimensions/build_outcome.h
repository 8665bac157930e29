// What a builder did, besides the code of its last host call, so that the tool can carry
// its gesture on: builders never touch the tool's state themselves.
#pragma once

#include <optional>

#include "sdk/errors.h"
#include "sdk/types.h"

namespace quill {

enum class BuildOutcome {
    Built,         ///< the dimension, or its pieces, were made or reshaped
    NothingBuilt,  ///< nothing was made: the dimension group is gone
    Abandoned,     ///< the user was told why, the group was disposed: no drag follows
};

/// Everything a build did, in one record: the tool reads nothing else of it.
struct BuildResult {
    constexpr BuildResult() = default;
    constexpr BuildResult(AIErr code, BuildOutcome outcome = BuildOutcome::Built)
        : code(code), outcome(outcome) {}

    AIErr code = kNoErr;  ///< the code of the last host call
    BuildOutcome outcome = BuildOutcome::Built;
    /// The code of a piece the host would not finish (it was disposed), 0 when every
    /// piece was made: the tool gives up at mouse-up the dimension of a gesture that had
    /// one.
    AIErr unfinished = kNoErr;
    /// Settings the build chose, for the tool to keep: the dimension line's offset
    /// ("Attaches", points) and, in an angle's arc mode, the working radius ("RayonAngle",
    /// points while an arc is dimensioned). Unset: left as they are.
    std::optional<double> lineOffset;
    std::optional<double> angleRadius;
};

/// When a builder is called: at the click that starts the dimension, or while the
/// dimension follows the pointer.
enum class BuildPhase { AtClick, WhileDragging };

}  // namespace quill
