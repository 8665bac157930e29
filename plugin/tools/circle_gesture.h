// What the Circle tool keeps of a measurement by the two ends of an arc between its
// clicks: the path and the anchor of the first end (the point count is the tool state's
// click count).
#pragma once

#include <cstdint>

#include "sdk/types.h"

namespace quill {

struct CircleGesture {
    AIArtHandle firstPath = nullptr;
    std::int16_t firstAnchor = -1;
};

}  // namespace quill
