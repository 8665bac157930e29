#include "plugin/associative/circle_rebuild.h"

#include <cstdint>

#include "plugin/associative/links.h"
#include "plugin/associative/texts.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/circle_dimension.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"

namespace quill {

namespace {

constexpr std::size_t kTagCapacity = 64;
constexpr BuildResult kNothingRebuilt{kNoErr, BuildOutcome::NothingBuilt};
// How far outside the circle the rebuilt leader bends, in points.
constexpr float kRebuiltBendOutside = 30;

// The anchor of `path` that the piece's index tag names; false when the tag is missing
// or names no anchor of the path (a link edited by hand).
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

// The measured arc that the piece's link names, its circle taken from the two anchors
// as they stand now. Tells the user when the link leads nowhere.
bool FindMeasuredCircle(AIArtHandle piece, MeasuredCircle* measured) {
    char identifier[kTagCapacity];
    if (!ReadTag(piece, tags::kCircleLink, identifier, sizeof identifier)) return false;
    measured->path = FindMeasuredPath(tags::kCircleLink, identifier, tags::kCircleMarker);
    if (!measured->path) return false;
    PathSegment ends[2];
    if (ReadLinkedAnchor(piece, tags::kIndex1, measured->path, &measured->anchors[0], &ends[0]) &&
        ReadLinkedAnchor(piece, tags::kIndex2, measured->path, &measured->anchors[1], &ends[1])) {
        measured->circle = CircleFromTangentAndChord(ends[0], ends[1]);
        if (IsDimensionableCircle(measured->circle)) return true;
    }
    ShowAlert(texts::kMeasuredPathNotFound.c_str());
    return false;
}

// The old dimension goes with its group; a piece standing alone in a layer goes alone.
AIErr DisposeOldDimension(AIArtHandle piece) {
    AIArtHandle parent = nullptr;
    AIBoolean layerGroup = true;
    if (sAIArt->GetArtParent(piece, &parent) == kNoErr && parent &&
        sAIArt->IsArtLayerGroup(parent, &layerGroup) == kNoErr && !layerGroup)
        return DisposeArt(parent);
    return DisposeArt(piece);
}

}  // namespace

BuildResult RebuildCircleDimension(AIArtHandle piece) {
    MeasuredCircle measured;
    if (!FindMeasuredCircle(piece, &measured)) return kNothingRebuilt;
    DisposeOldDimension(piece);
    AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return {result, BuildOutcome::NothingBuilt};
    const BuildResult made = StartCircleDimension(measured, CircleStartedFrom::Link);
    if (made.outcome == BuildOutcome::NothingBuilt) return made;
    LinkCircle(measured.path, measured.anchors[0], measured.anchors[1]);
    const CircleGeometry& circle = BuildState().circle;
    const Point pointer =
        PointAt(circle.centre, circle.radius + kRebuiltBendOutside, circle.leaderAngle);
    return {BuildCircleDimension(pointer, DragKeys{}).code, BuildOutcome::Built};
}

}  // namespace quill
