#include "plugin/associative/circle_rebuild.h"

#include "plugin/associative/linked_anchors.h"

#include <cstdint>

#include "plugin/associative/links.h"
#include "plugin/associative/texts.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/circle_dimension.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"

namespace quill {

namespace {

constexpr BuildResult kNothingRebuilt{kNoErr, BuildOutcome::NothingBuilt};
// How far outside the circle the rebuilt leader bends, in points.
constexpr float kRebuiltBendOutside = 30;

// The measured arc that the piece's link names, its circle taken from the two anchors
// as they stand now. Tells the user when the link leads nowhere.
bool FindMeasuredCircle(AIArtHandle piece, MeasuredCircle* measured) {
    measured->path = LinkedPath(piece, tags::kCircleLink, tags::kCircleMarker);
    if (!measured->path) return false;
    PathSegment ends[2];
    if (ReadLinkedAnchor(piece, tags::kIndex1, measured->path, &measured->anchors[0], &ends[0]) &&
        ReadLinkedAnchor(piece, tags::kIndex2, measured->path, &measured->anchors[1], &ends[1])) {
        measured->circle = CircleFromTangentAndChord(ends[0], ends[1]);
        if (IsDimensionableCircle(measured->circle)) return true;
    }
    TellMeasuredPathNotFound();
    return false;
}

}  // namespace

BuildResult RebuildCircleDimension(AIArtHandle piece) {
    MeasuredCircle measured;
    if (!FindMeasuredCircle(piece, &measured)) return Reported(kNothingRebuilt);
    // The new dimension first: the old one goes only once the new one stands.
    const AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return Reported({result, BuildOutcome::NothingBuilt});
    const BuildResult made = StartCircleDimension(measured, CircleStartedFrom::Link);
    if (made.outcome != BuildOutcome::Built) return Reported(ReplaceOldDimension(piece, made));
    const AIErr linked = LinkCircle(measured.path, measured.anchors[0], measured.anchors[1]);
    const CircleGeometry& circle = BuildState().circle;
    const Point pointer =
        PointAt(circle.centre, circle.radius + kRebuiltBendOutside, circle.leaderAngle);
    BuildResult built = BuildCircleDimension(pointer, DragKeys{});
    if (built.code == kNoErr) built.code = linked != kNoErr ? linked : made.code;
    return Reported(ReplaceOldDimension(piece, built));
}

}  // namespace quill
