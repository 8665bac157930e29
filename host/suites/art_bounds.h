// The geometric bounds of art as the Art suite reports them.
#pragma once

#include <optional>

#include "host/document/art.h"
#include "host/fonts/font_catalog.h"
#include "host/geometry/segment_index.h"

namespace host {

/// Bounds in document points (y upwards: top > bottom), strokes not included: a path's
/// anchors and control points, a text's glyph box, a group's children together.
/// nullopt for a path without segments or a group without bounded children. A path's
/// bounds are read from `index` when given (the same bounds, kept as the path changes).
std::optional<AIRealRect> ArtBounds(const Art& art, FontCatalog& fonts,
                                    const SegmentIndex* index = nullptr);

}  // namespace host
