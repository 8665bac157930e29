#include "plugin/dimensions/dimension_art_set.h"

#include "plugin/dimensions/dimension_group.h"

namespace quill {

void AbandonFirstPointOnly() {
    if (!ArtSet().onlyFirstPoint) return;
    DisposeArt(ArtSet().group);
    ArtSet() = DimensionArtSet{};
}

}  // namespace quill
