#include "plugin/dimensions/build_state.h"

#include "plugin/dimensions/dimension_art_set.h"

namespace quill {

DimensionBuildState& BuildState() {
    static DimensionBuildState state;
    return state;
}

DimensionArtSet& ArtSet() {
    static DimensionArtSet set;
    return set;
}

}  // namespace quill
