// The bounding box of each selected object, in view pixels (y downwards), for the page to
// draw around the selection; the outlines and anchors of selected paths are drawn with
// the annotation overlay (host/svg/annotation_picture.h).
#pragma once

#include <nlohmann/json.hpp>

#include "host/core/host.h"

namespace quill::serve {

/// {"boxes": [[left, top, right, bottom], ...]}, view pixels, one per selected object.
nlohmann::json SelectionMarks(host::Host& host);

}  // namespace quill::serve
