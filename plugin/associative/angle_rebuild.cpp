#include "plugin/associative/angle_rebuild.h"

#include "plugin/associative/linked_anchors.h"

#include <cstdint>

#include "plugin/associative/links.h"
#include "plugin/associative/texts.h"
#include "plugin/dimensions/angle_build_state.h"
#include "plugin/dimensions/angle_dimension.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"

namespace quill {

namespace {

constexpr BuildResult kNothingRebuilt{kNoErr, BuildOutcome::NothingBuilt};

// The three anchors of the angle, in the order of their index tags: on the first side, at
// the vertex, on the second side.
struct MeasuredAngle {
    AIArtHandle path = nullptr;
    std::int16_t indices[3] = {-1, -1, -1};
    Point points[3];
};

// Reads the anchors the piece names; a broken link (an index the path does not have, a
// tag edited by hand) tells the user.
bool ReadMeasuredAnchors(AIArtHandle piece, MeasuredAngle* measured) {
    const char* indexTags[3] = {tags::kIndex1, tags::kIndex2, tags::kIndex3};
    for (int i = 0; i < 3; ++i) {
        PathSegment anchor;
        if (!ReadLinkedAnchor(piece, indexTags[i], measured->path, &measured->indices[i],
                              &anchor)) {
            TellMeasuredPathNotFound();
            return false;
        }
        measured->points[i] = anchor.p;
    }
    return true;
}

}  // namespace

BuildResult RebuildAngleDimension(AIArtHandle piece) {
    MeasuredAngle measured;
    measured.path = LinkedPath(piece, tags::kAngleLink, tags::kAngleMarker);
    if (!measured.path || !ReadMeasuredAnchors(piece, &measured)) return Reported(kNothingRebuilt);
    // The new dimension first: the old one goes only once the new one stands.
    const AIErr result = PrepareDimensionGroup();
    if (result != kNoErr) return Reported({result, BuildOutcome::NothingBuilt});
    const BuildResult made = PrepareAngleArt(AngleSource::Sides);
    if (made.outcome != BuildOutcome::Built) return Reported(ReplaceOldDimension(piece, made));
    const AIErr linked =
        LinkAngle(measured.path, measured.indices[0], measured.indices[1], measured.indices[2]);
    BuildResult built = StartAngleDimension(
        AngleFromVertex(measured.points[1], measured.points[0], measured.points[2]));
    if (built.code == kNoErr) built.code = linked != kNoErr ? linked : made.code;
    return Reported(ReplaceOldDimension(piece, built));
}

}  // namespace quill
