// What the Angle tool keeps of its measurement under way: the first side clicked while
// the second is awaited (the click count is then 1).
#pragma once

#include <cstdint>

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// A clicked straight side: its path, its two anchors and where it was clicked.
struct PendingSide {
    AIArtHandle path = nullptr;
    std::int16_t anchors[2] = {-1, -1};
    Point points[2];
    Point click;
};

struct AngleGesture {
    PendingSide firstSide;  // while the click count is 1
};

}  // namespace quill
