#include "plugin/dimensions/angle_build_state.h"

namespace quill {

AngleBuildState& AngleBuild() {
    static AngleBuildState state;
    return state;
}

}  // namespace quill
