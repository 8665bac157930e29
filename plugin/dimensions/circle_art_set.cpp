#include "plugin/dimensions/circle_art_set.h"

#include <cstdint>

#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_steps.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr std::int16_t kLeaderSegments = 3;
constexpr std::int16_t kRadiusLineSegments = 2;

// The label, then the tolerance texts that are switched on; a failure stops the texts.
AIErr CreateTexts(DimensionSlot& pieces) {
    AIErr result = NewTextPiece(&pieces.label);
    for (int which = 0; which < 2 && result == kNoErr; ++which)
        if (Settings().tolerances[which].shown) result = NewTextPiece(&pieces.tolerance[which]);
    return result;
}

AIErr MarkAsCircleDimension(AIArtHandle line) {
    return line ? WriteTag(line, tags::kCircleMarker, tags::kMarkerValue) : kNoErr;
}

}  // namespace

BuildResult CreateCircleArtSet() {
    DimensionArtSet& set = ArtSet();
    if (!IsValidArt(set.group)) return Reported({kNoErr, BuildOutcome::NothingBuilt});
    DimensionSlot& pieces = set.slots[0];
    pieces = DimensionSlot{};
    set.leader = set.radiusLine = nullptr;
    HostSteps steps;
    steps << CreateTexts(pieces);
    // Each path is tried whatever happened before: a piece left missing is made again,
    // or the build does nothing without a leader.
    steps << NewPathPiece(pieces.label, kLeaderSegments, &set.leader);
    steps << MarkAsCircleDimension(set.leader);
    if (set.leader) steps << WriteTag(set.leader, tags::kMainLine, tags::kMarkerValue);
    steps << NewPathPiece(set.leader, kRadiusLineSegments, &set.radiusLine);
    steps << MarkAsCircleDimension(set.radiusLine);
    if (Settings().arrowSize > 0) {
        steps << NewPathPiece(set.radiusLine, 0, &pieces.arrowhead[0]);
        steps << NewPathPiece(pieces.arrowhead[0], 0, &pieces.arrowhead[1]);
    }
    BuildState().circle.underConstruction = true;
    return Reported({steps.Last(), BuildOutcome::Built});
}

AIErr EnsureRadiusLine() {
    DimensionArtSet& set = ArtSet();
    if (IsValidArt(set.radiusLine)) return kNoErr;
    AIErr result = NewPathPiece(set.leader, kRadiusLineSegments, &set.radiusLine);
    if (!set.radiusLine) return result;
    result = MarkAsCircleDimension(set.radiusLine);
    if (IsValidArt(set.leader)) result = CopyTags(set.leader, set.radiusLine, tags::kMainLine);
    return result;
}

BuildResult DisposeLeaderNeverShaped() {
    AIArtHandle& leader = ArtSet().leader;
    if (!IsValidArt(leader)) return Reported({});
    AIPathSegment first[kLeaderSegments]{};
    if (sAIPath->GetPathSegments(leader, 0, kLeaderSegments, first) != kNoErr) return Reported({});
    for (const AIPathSegment& segment : first)
        if (segment.p.h != 0 || segment.p.v != 0) return Reported({});
    const AIErr result = DisposeArt(leader);
    leader = nullptr;
    return Reported({result});
}

}  // namespace quill
