// The selection as the host draws it over the drawing: each selected object's bounding
// box and the anchors of its paths, in view pixels (y downwards), for the page to draw.
#pragma once

#include <nlohmann/json.hpp>

#include "host/core/host.h"

namespace quill::serve {

/// The most anchors drawn; a selection of more shows its boxes alone beyond them.
inline constexpr std::size_t kMostAnchorsDrawn = 5000;

/// {"boxes": [[left, top, right, bottom], ...], "anchors": [[x, y], ...]}, view pixels.
nlohmann::json SelectionMarks(host::Host& host);

}  // namespace quill::serve
