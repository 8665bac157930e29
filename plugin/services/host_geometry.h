// The geometry's services over the host suites: the host's Bézier service, one path of
// the document, and the paths near the pointer for the proximity walk. Every failing
// host call raises ai::Error.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "plugin/geometry/proximity_walk.h"
#include "plugin/geometry/services.h"
#include "sdk/sdk.h"

namespace quill {

inline Point FromHost(AIRealPoint p) {
    return {p.h, p.v};
}
inline AIRealPoint ToHost(Point p) {
    return {p.h, p.v};
}
Bezier FromHost(const AIRealBezier& b);
AIRealBezier ToHost(const Bezier& b);

/// A view point held within ±1,000,000,000 pixels, so that the marks and texts drawn a
/// few hundred pixels beside a point far off the view stay in the 32-bit range.
AIPoint HeldInView(AIPoint point);
PathSegment FromHost(const AIPathSegment& s);

/// The host's Bézier service where a failing call reads as nothing (length 0, t 0, the
/// origin, zero halves), for the builders that carry on past a failure. Flatness 1 point.
float HostBezierLength(const Bezier& bezier);
float HostTAtLength(const Bezier& bezier, float length, float total);
Point HostEvaluate(const Bezier& bezier, float t);
void HostDivide(const Bezier& bezier, float t, Bezier* before, Bezier* after);

/// Every anchor of the path; empty when they cannot be read.
std::vector<PathSegment> ReadAnchors(AIArtHandle path);

/// "AI Real Bezier Suite".
class HostBezierService : public BezierService {
 public:
    float Length(const Bezier& bezier, float flatness) const override;
    float TAtLength(const Bezier& bezier, float length, float total, float flatness) const override;
    Point Evaluate(const Bezier& bezier, float t) const override;
    Point Tangent(const Bezier& bezier, float t) const override;
};

/// One path of the document through "AI Path Suite".
class HostPath : public PathReader {
 public:
    explicit HostPath(AIArtHandle path) : path_(path) {}
    AIArtHandle handle() const { return path_; }
    int AnchorCount() const override;
    bool Closed() const override;
    PathSegment Anchor(int i) const override;
    Bezier SegmentBezier(int i) const override;
    float MeasuredOpenLength() const override;
    float Area() const override;
    /// Every anchor, read at once.
    std::vector<PathSegment> Anchors() const;

 private:
    AIArtHandle path_;
};

/// A path with segments that may come near the pointer.
struct NearbyPath {
    AIArtHandle art = nullptr;
    std::vector<PathSegment> anchors;
    bool closed = false;
    std::vector<int> segments;  ///< the segments that may come near, ascending
};

/// The paths whose segments may come within `tolerance` points of the pointer, in paint
/// order (the host's segment query): every other segment of the document is too far for
/// the proximity walk to stop on it.
std::vector<NearbyPath> NearbyPaths(Point pointer, float tolerance);

/// Where the proximity walk stops, and on which path.
struct NearbyHit {
    AIArtHandle art = nullptr;
    ProximityHit hit;
};

/// The proximity walk over the document in paint order, path by path and segment by
/// segment (`FirstHitOnPath`, anchors by the host's point-closeness test), over the paths
/// for which `walked` is true; it finds what a walk over every path would find, looking
/// only at the segments near the pointer.
std::optional<NearbyHit> FirstNearbyHit(Point pointer, float tolerance,
                                        const std::function<bool(AIArtHandle)>& walked);

}  // namespace quill
