#include "plugin/associative/linked_anchors.h"

#include "plugin/associative/links.h"
#include "plugin/associative/texts.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"

namespace quill {

AIArtHandle LinkedPath(AIArtHandle piece, const char* linkTag, const char* marker) {
    char identifier[tags::kValueCapacity];
    if (!ReadTag(piece, linkTag, identifier, sizeof identifier)) return nullptr;
    return FindMeasuredPath(linkTag, identifier, marker);
}

bool ReadLinkedAnchor(AIArtHandle piece, const char* indexTag, AIArtHandle path,
                      std::int16_t* index, PathSegment* anchor) {
    *index = ReadAnchorIndex(piece, indexTag);
    std::int16_t count = 0;
    AIPathSegment segment{};
    if (*index < 0 || sAIPath->GetPathSegmentCount(path, &count) != kNoErr || *index >= count ||
        sAIPath->GetPathSegments(path, *index, 1, &segment) != kNoErr)
        return false;
    *anchor = FromHost(segment);
    return true;
}

void TellMeasuredPathNotFound() {
    ShowAlert(texts::kMeasuredPathNotFound.c_str());
}

namespace {

// The group of the piece, or the piece alone when it lies loose on a layer.
AIErr DisposeOldDimension(AIArtHandle piece) {
    AIArtHandle parent = nullptr;
    AIBoolean layerGroup = true;
    if (sAIArt->GetArtParent(piece, &parent) == kNoErr && parent &&
        sAIArt->IsArtLayerGroup(parent, &layerGroup) == kNoErr && !layerGroup)
        return DisposeArt(parent);
    return DisposeArt(piece);
}

}  // namespace

BuildResult ReplaceOldDimension(AIArtHandle piece, const BuildResult& built) {
    DimensionArtSet& set = ArtSet();
    const AIErr failed = built.code != kNoErr ? built.code : built.unfinished;
    if (built.outcome == BuildOutcome::Built && failed == kNoErr) {
        DisposeOldDimension(piece);
        return Reported(built);
    }
    // Straight to the host: asking whether the group is valid may be what fails.
    if (set.group) sAIArt->DisposeArt(set.group);
    set = DimensionArtSet{};
    // What the build chose for the settings stands, as it would have without the links.
    BuildResult given{failed, BuildOutcome::NothingBuilt};
    given.lineOffset = built.lineOffset;
    given.angleRadius = built.angleRadius;
    return Reported(given);
}

}  // namespace quill
