// What every rebuild reads from a dimension's links, and how the old dimension goes.
#pragma once

#include <cstdint>

#include "plugin/dimensions/build_outcome.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// The measured path that the piece's link `linkTag` names (dimension pieces, which carry
/// `marker`, excluded); nullptr when the piece carries no such link or the path is gone
/// (the user is then told).
AIArtHandle LinkedPath(AIArtHandle piece, const char* linkTag, const char* marker);

/// The anchor of `path` that the piece's index tag names, with its index; false when the
/// tag is missing or names no anchor of the path (a link edited by hand). Tells no one.
bool ReadLinkedAnchor(AIArtHandle piece, const char* indexTag, AIArtHandle path,
                      std::int16_t* index, PathSegment* anchor);

/// Tells the user that the measured path of a dimension cannot be found.
void TellMeasuredPathNotFound();

/// The end of every rebuild: the new dimension `built` replaces the old one, that of
/// `piece`, only when it was made whole; otherwise the new group goes and the old
/// dimension stays exactly as it was (NothingBuilt, with the code of what failed).
BuildResult ReplaceOldDimension(AIArtHandle piece, const BuildResult& built);

}  // namespace quill
