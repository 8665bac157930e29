// The host's cursor snapping: crossings of segments of different paths near the pointer.
// Document points, y upwards.
#pragma once

#include <optional>

#include "host/document/document.h"
#include "host/geometry/segment_index.h"

namespace host {

/// How far from the pointer a crossing still attracts it, in points.
constexpr float kSnapRadius = 8.0f;

/// The crossing of two segments of different hittable paths nearest to `point`, within
/// `radius` points; nothing when there is none.
std::optional<AIRealPoint> NearestCrossing(const Document& document, const SegmentIndex& index,
                                           AIRealPoint point, float radius);

/// The pointer snapped following the control string: with an 'i' (intersections), to the
/// nearest crossing within kSnapRadius; otherwise, or with nothing near, the pointer
/// itself. Other letters are accepted and ask for nothing more.
AIRealPoint SnapCursor(const Document& document, const SegmentIndex& index, AIRealPoint point,
                       const char* control);

}  // namespace host
