// What the geometry asks of the host, as small interfaces: the host's Bézier service
// and one path of the document. The plug-in implements them over the host suites
// (plugin/services/host_geometry.h); tests implement them with exact fakes. A failing host
// call surfaces as whatever the implementation throws; the geometry never catches it.
#pragma once

#include "plugin/geometry/types.h"

namespace quill {

/// The host's Bézier service. Lengths in points, parameters t in [0, 1].
class BezierService {
 public:
    virtual ~BezierService() = default;
    /// Arc length within `flatness` points.
    virtual float Length(const Bezier& bezier, float flatness) const = 0;
    /// The parameter where the length from t = 0 reaches `length`; `total` is the
    /// curve's whole length as the caller measured it.
    virtual float TAtLength(const Bezier& bezier, float length, float total,
                            float flatness) const = 0;
    /// The point at t.
    virtual Point Evaluate(const Bezier& bezier, float t) const = 0;
    /// The derivative vector dB/dt at t (points per unit of t).
    virtual Point Tangent(const Bezier& bezier, float t) const = 0;
};

/// One path of the document, read through the host. Anchor indices run 0 … n−1.
class PathReader {
 public:
    virtual ~PathReader() = default;
    /// n, the number of anchors.
    virtual int AnchorCount() const = 0;
    virtual bool Closed() const = 0;
    /// Anchor i with its control points; 0 ≤ i < n.
    virtual PathSegment Anchor(int i) const = 0;
    /// The Bézier from anchor i to anchor i + 1, as the host builds it; on a closed path
    /// i = n − 1 is the closing segment, from anchor n − 1 to anchor 0.
    virtual Bezier SegmentBezier(int i) const = 0;
    /// The host's measured length of the open path through its n anchors (the last entry
    /// of its accumulated lengths, default flatness), in points.
    virtual float MeasuredOpenLength() const = 0;
    /// The host's signed area of the path taken as closed, square points,
    /// counter-clockwise positive.
    virtual float Area() const = 0;
};

}  // namespace quill
