// What the Segment tool keeps of its measurement under way, between its clicks and until
// mouse-up: how the first point was found and what the measuring click measured.
#pragma once

#include <cstdint>

#include "plugin/dimensions/segment_dimension.h"
#include "sdk/types.h"

namespace quill {

struct SegmentGesture {
    AIArtHandle firstPath = nullptr;  // path and anchor of an anchor first point
    std::int16_t firstAnchor = -1;
    bool firstSnapped = false;   // the first point was a snapped point
    bool lastClickFree = false;  // the last click fell on nothing: a free point
    /// What the measuring click measured; back to points between points at every
    /// mouse-down and mouse-up.
    SegmentMeasure measure = SegmentMeasure::BetweenPoints;
};

}  // namespace quill
