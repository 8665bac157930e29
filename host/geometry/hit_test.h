// The host's hit test: what art lies under a point of the document, within a tolerance.
// Document points, y upwards; tolerances in points (Euclidean distance, inclusive).
#pragma once

#include "host/document/document.h"
#include "host/geometry/segment_index.h"
#include "sdk/sdk.h"

namespace host {

/// One hit, as AIToolHitData reports it.
struct Hit {
    bool hit = false;
    Art* art = nullptr;
    Art* group = nullptr;  ///< the group holding the art, nullptr when it is a layer's
    int type = kNoHitType;
    int segment = 0;  ///< anchor of a point hit; end anchor of a segment hit (0: closing)
    float t = 0;      ///< parameter on the segment hit
    AIRealPoint point{0, 0};
};

/// Whether the art may be hit: neither it nor a group holding it is locked or hidden, and
/// its layer is visible and unlocked.
bool IsHittable(const Document& document, const Art& art);

/// What lies at `point`: with kPointHitRequest anchors (then the centres of closed paths,
/// as snapped points), kSegmentHitRequest segments, kFillHitRequest the inside of filled
/// paths (of a compound path's member, the inside of the whole shape); 0 asks for all three in that
/// order. Among the art hit the topmost wins, then the nearest point. `within`, when given,
/// restricts the test to that art and its children.
Hit HitTest(const Document& document, const SegmentIndex& index, AIRealPoint point, float tolerance,
            int request, const Art* within);

}  // namespace host
