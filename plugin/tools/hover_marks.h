// The marks a tool shows on what lies under the pointer: its hover file says them, the
// feedback draws them in the marks colour, in the order said. Points in document points.
#pragma once

#include <vector>

#include "plugin/geometry/types.h"
#include "plugin/tools/hover_state.h"
#include "sdk/types.h"

namespace quill {

/// Ring kinds: 0 an anchor or snapped point, 1 a point on a curve.
enum class RingKind : int { Anchor = 0, OnCurve = 1 };

/// Where a tool's marks go.
class HoverMarks {
 public:
    virtual ~HoverMarks() = default;
    /// A ring of radius 5 − k pixels and line width 2 + k around the point.
    virtual void Ring(Point at, RingKind kind) = 0;
    /// A straight line between two points.
    virtual void Segment(Point from, Point to, float width) = 0;
    /// Every segment of the path, its closing segment included when closed.
    virtual void Path(const std::vector<PathSegment>& anchors, bool closed, float width) = 0;
    /// The segments between two anchors, lower index to higher; equal indices: the whole
    /// path.
    virtual void PartialPath(const std::vector<PathSegment>& anchors, bool closed, int anchorA,
                             int anchorB) = 0;
    /// The plus sign beside the pointer, or with `plus` false the minus sign.
    virtual void Sign(Point pointer, bool plus) = 0;
};

/// The width of a highlighted segment or path.
constexpr float kHighlightWidth = 2.0f;

/// The whole path drawn over.
void MarkWholePath(HoverMarks& marks, AIArtHandle path, float width);
/// The straight segment under the pointer drawn over.
void MarkHoveredSegment(HoverMarks& marks, const HoverState& hover);
/// A curve or arc under the pointer: the path drawn over, a ring on the point.
void MarkCurve(HoverMarks& marks, const HoverState& hover);

}  // namespace quill
