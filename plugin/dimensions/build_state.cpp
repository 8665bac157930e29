#include "plugin/dimensions/build_state.h"

namespace quill {

DimensionBuildState& BuildState() {
    static DimensionBuildState state;
    return state;
}

}  // namespace quill
