// What the Segment tool keeps of its measurement under way, between its clicks and until
// mouse-up: how the first point was found and what the measuring click measured.
#pragma once

#include <cstdint>
#include <optional>

#include "plugin/dimensions/segment_dimension.h"
#include "plugin/dimensions/set_line.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// A point a click fixed: an anchor of `path` (linked), a snapped point, a crossing, or
/// a free point where the click fell on nothing.
struct ClickedPoint {
    Point point;
    bool snapped = false;
    bool free = false;
    AIArtHandle path = nullptr;
    std::int16_t anchor = -1;
};

struct SegmentGesture {
    AIArtHandle firstPath = nullptr;  // path and anchor of an anchor first point
    std::int16_t firstAnchor = -1;
    bool firstSnapped = false;   // the first point was a snapped point
    bool lastClickFree = false;  // the last click fell on nothing: a free point
    /// What the measuring click measured; back to points between points at every
    /// mouse-down and mouse-up.
    SegmentMeasure measure = SegmentMeasure::BetweenPoints;
    /// The two points of the dimension the press placed between two clicked points, for
    /// a set to go on from; the second is unset unless this press fixed it.
    ClickedPoint first;
    std::optional<ClickedPoint> second;
    /// The press rebuilt a member of a set: the kind of the set's line.
    std::optional<SetLineKind> rebuiltMember;
};

}  // namespace quill
