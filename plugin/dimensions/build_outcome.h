// What a builder did, besides the code of its last host call, so that the tool can carry
// its gesture on: builders never touch the tool's state themselves.
#pragma once

#include "sdk/errors.h"
#include "sdk/types.h"

namespace quill {

enum class BuildOutcome {
    Built,         ///< the dimension, or its pieces, were made or reshaped
    NothingBuilt,  ///< nothing was made: the dimension group is gone
    Abandoned,     ///< the user was told why, the group was disposed: no drag follows
};

struct BuildResult {
    AIErr code = kNoErr;
    BuildOutcome outcome = BuildOutcome::Built;
};

/// When a builder is called: at the click that starts the dimension, or while the
/// dimension follows the pointer.
enum class BuildPhase { AtClick, WhileDragging };

}  // namespace quill
