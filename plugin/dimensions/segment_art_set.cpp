#include "plugin/dimensions/segment_art_set.h"

#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/services/host_art.h"
#include "plugin/services/tags.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

// The texts of the slot: label, then the tolerance texts that are switched on, each
// inside the group on top. A failure stops the sequence.
AIErr CreateTexts(DimensionSlot& pieces) {
    AIErr result = NewTextPiece(&pieces.label);
    for (int which = 0; which < 2 && result == kNoErr; ++which)
        if (Settings().tolerances[which].shown) result = NewTextPiece(&pieces.tolerance[which]);
    return result;
}

AIErr CreateArrowheads(DimensionSlot& pieces, AIArtHandle below) {
    if (Settings().arrowSize <= 0) return kNoErr;
    AIErr result = NewPathPiece(below, 0, &pieces.arrowhead[0]);
    if (result == kNoErr) result = NewPathPiece(pieces.arrowhead[0], 0, &pieces.arrowhead[1]);
    return result;
}

AIErr MarkLine(AIArtHandle line, bool mainLine) {
    AIErr result = WriteTag(line, tags::kSegmentMarker, tags::kMarkerValue);
    if (mainLine) result = WriteTag(line, tags::kMainLine, tags::kMarkerValue);
    return result;
}

bool GroupIsValid() {
    return IsValidArt(ArtSet().group);
}

}  // namespace

BuildResult CreateSegmentArtSet(int slot, Association association) {
    if (!GroupIsValid()) return Reported({kNoErr, BuildOutcome::NothingBuilt});
    DimensionSlot& pieces = ArtSet().slots[slot];
    pieces = DimensionSlot{};
    BuildState().linePlace[slot].reset();  // a new line: not placed yet
    AIErr result = CreateTexts(pieces);
    if (result == kNoErr) result = NewPathPiece(pieces.label, 2, &pieces.extension[0]);
    if (result == kNoErr) result = NewPathPiece(pieces.extension[0], 2, &pieces.extension[1]);
    if (result == kNoErr) result = NewPathPiece(pieces.extension[1], 2, &pieces.lineB);
    if (result == kNoErr) result = NewPathPiece(pieces.lineB, 2, &pieces.lineA);
    if (result == kNoErr && association == Association::Associative) {
        result = MarkLine(pieces.lineB, false);
        result = MarkLine(pieces.lineA, true);
    }
    if (result == kNoErr) result = CreateArrowheads(pieces, pieces.lineA);
    return Reported({result, BuildOutcome::Built});
}

// The texts and extension lines every dimension has, then `line` below them and the
// arrowheads below it; no markers.
BuildResult CreateUnmarkedArtSet(AIArtHandle* line) {
    if (!GroupIsValid()) return Reported({kNoErr, BuildOutcome::NothingBuilt});
    DimensionSlot& pieces = ArtSet().slots[0];
    pieces = DimensionSlot{};
    AIErr result = CreateTexts(pieces);
    if (result == kNoErr) result = NewPathPiece(pieces.label, 2, &pieces.extension[0]);
    if (result == kNoErr) result = NewPathPiece(pieces.extension[0], 2, &pieces.extension[1]);
    if (result == kNoErr) result = NewPathPiece(pieces.extension[1], 2, line);
    if (result == kNoErr) result = CreateArrowheads(pieces, *line);
    return Reported({result, BuildOutcome::Built});
}

BuildResult CreateCurveArtSet() {
    return Reported(CreateUnmarkedArtSet(&ArtSet().slots[0].lineA));
}

BuildResult CreateArcArtSet() {
    return Reported(CreateUnmarkedArtSet(&ArtSet().dimensionArc));
}

}  // namespace quill
