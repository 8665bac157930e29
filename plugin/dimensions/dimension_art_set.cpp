#include "plugin/dimensions/dimension_art_set.h"

#include "plugin/dimensions/dimension_group.h"

namespace quill {

BuildResult Reported(BuildResult result) {
    if (result.unfinished == kNoErr) result.unfinished = ArtSet().unfinished;
    return result;
}

void AbandonFirstPointOnly() {
    if (!ArtSet().onlyFirstPoint) return;
    DisposeArt(ArtSet().group);
    ArtSet() = DimensionArtSet{};
}

}  // namespace quill
