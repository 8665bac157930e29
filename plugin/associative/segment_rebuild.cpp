#include "plugin/associative/segment_rebuild.h"

#include <cmath>

#include "plugin/associative/linked_anchors.h"
#include "plugin/associative/links.h"
#include "plugin/associative/set_tags.h"
#include "plugin/associative/texts.h"
#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/segment_art_set.h"
#include "plugin/dimensions/segment_dimension.h"
#include "plugin/dimensions/set_dimensions.h"
#include "plugin/dimensions/texts.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr BuildResult kNothingRebuilt{kNoErr, BuildOutcome::NothingBuilt};

struct MeasuredAnchor {
    AIArtHandle path = nullptr;
    std::int16_t index = -1;
    Point point;
};

// The anchor a link names: its path found by the link tag, its index read from the
// piece. A broken link (no path, or an index the path does not have) tells the user.
bool FindAnchor(AIArtHandle piece, const char* linkTag, const char* indexTag,
                MeasuredAnchor* anchor) {
    anchor->path = LinkedPath(piece, linkTag, tags::kSegmentMarker);
    if (!anchor->path) return false;
    PathSegment segment;
    if (!ReadLinkedAnchor(piece, indexTag, anchor->path, &anchor->index, &segment)) {
        TellMeasuredPathNotFound();
        return false;
    }
    anchor->point = segment.p;
    return true;
}

// Both anchors the piece's links name. Every measured path that cannot be found is told:
// the whole segment's one path once, each point's path on its own.
bool FindBothAnchors(AIArtHandle piece, bool wholeSegment, MeasuredAnchor* first,
                     MeasuredAnchor* second) {
    if (wholeSegment)
        return FindAnchor(piece, tags::kSegmentLink, tags::kIndex1, first) &&
               FindAnchor(piece, tags::kSegmentLink, tags::kIndex2, second);
    const bool foundFirst = FindAnchor(piece, tags::kFirstPointLink, tags::kIndex1, first);
    const bool foundSecond = FindAnchor(piece, tags::kSecondPointLink, tags::kIndex2, second);
    return foundFirst && foundSecond;
}

AIErr WriteLinks(bool wholeSegment, const MeasuredAnchor& first, const MeasuredAnchor& second) {
    if (wholeSegment) return LinkSegment(first.path, first.index, second.index);
    const AIErr linkedFirst = LinkFirstPoint(first.path, first.index);
    const AIErr linkedSecond = LinkSecondPoint(second.path, second.index);
    return linkedFirst != kNoErr ? linkedFirst : linkedSecond;
}

// A member of a set goes back on the set's line, and into the set; any other dimension is
// built for the pointer of the click.
BuildResult BuildRebuilt(const std::optional<SetLine>& setLine, const std::string& setName,
                         Point clickPointer) {
    if (!setLine) return BuildSegmentDimension(clickPointer);
    const DimensionBuildState& state = BuildState();
    BuildResult built =
        BuildOnSetLine(*setLine, DragKeys{}, PointOnLine(*setLine, state.first, state.second));
    const AIErr tagged = TagSetMember(ArtSet().slots[0], setName, *setLine);
    if (built.code == kNoErr) built.code = tagged;
    return built;
}

}  // namespace

BuildResult RebuildSegmentDimension(AIArtHandle piece, Point clickPointer) {
    const bool wholeSegment = HasTag(piece, tags::kSegmentLink);
    // A dimension whose second point was no anchor has nothing to be rebuilt on.
    if (!wholeSegment &&
        (!HasTag(piece, tags::kFirstPointLink) || !HasTag(piece, tags::kSecondPointLink)))
        return Reported(kNothingRebuilt);
    MeasuredAnchor first, second;
    if (!FindBothAnchors(piece, wholeSegment, &first, &second)) return Reported(kNothingRebuilt);
    const std::optional<SetLine> setLine = SetLineOf(piece);
    const std::string setName = SetNameOf(piece);
    // Two links naming one point (a link edited by hand) would build nothing: the old
    // dimension is kept rather than replaced by nothing. An ordinate's zero is its own
    // point.
    const bool ownZero = setLine && IsOrdinate(setLine->kind);
    if (SamePoint(first.point, second.point) && !ownZero) {
        ShowAlert(texts::kDistinctPoints.c_str());
        return Reported(kNothingRebuilt);
    }
    // The new dimension first: the old one goes only once the new one stands.
    const AIErr prepared = PrepareDimensionGroup();
    if (prepared != kNoErr) return Reported({prepared, BuildOutcome::NothingBuilt});
    const Association association = Settings().dimensionType != kBothWaysType
                                        ? Association::Associative
                                        : Association::NotAssociative;
    const BuildResult made = CreateSegmentArtSet(0, association);
    if (made.outcome != BuildOutcome::Built) return Reported(ReplaceOldDimension(piece, made));
    const AIErr linked = WriteLinks(wholeSegment, first, second);
    BuildState().MeasureBetween(first.point, second.point, second.path);
    // The rebuilt dimension follows the pointer to be placed again.
    BuildResult built = BuildRebuilt(setLine, setName, clickPointer);
    if (built.code == kNoErr) built.code = linked != kNoErr ? linked : made.code;
    return Reported(ReplaceOldDimension(piece, built));
}

}  // namespace quill
