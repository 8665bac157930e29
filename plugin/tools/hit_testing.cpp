#include "plugin/tools/hit_testing.h"

#include <exception>

#include "plugin/geometry/arcs.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"

namespace quill {

namespace {

constexpr char kCrossingSnap[] = "A i o";
// Dimensions stacked on one point that a point test looks through, at most.
constexpr int kMaxPiecesLookedThrough = 16;

// Locks a path for the time of a test and restores its locked attribute afterwards.
class TemporaryLock {
 public:
    explicit TemporaryLock(AIArtHandle art) : art_(art) {
        ai::Check(sAIArt->GetArtUserAttr(art_, kArtLocked, &saved_));
        ai::Check(sAIArt->SetArtUserAttr(art_, kArtLocked, kArtLocked));
    }
    // The user's path must not stay locked by a look under the pointer: a refused
    // restore is asked again, and a second refusal is the host's code, which the
    // error report tells.
    void Restore() {
        restored_ = true;
        if (sAIArt->SetArtUserAttr(art_, kArtLocked, saved_) != kNoErr)
            ai::Check(sAIArt->SetArtUserAttr(art_, kArtLocked, saved_));
    }
    ~TemporaryLock() {
        if (!restored_) sAIArt->SetArtUserAttr(art_, kArtLocked, saved_);
    }
    TemporaryLock(const TemporaryLock&) = delete;
    TemporaryLock& operator=(const TemporaryLock&) = delete;

 private:
    AIArtHandle art_;
    int32_t saved_ = 0;
    bool restored_ = false;
};

}  // namespace

AIErr RunClassification(void (*classify)(HoverState&, Point), Point pointer) {
    HoverState& hover = CurrentHover();
    hover = HoverState{};
    hover.pointer = pointer;
    try {
        classify(hover, pointer);
    } catch (const ai::Error& error) {
        return error.code();
    } catch (const std::exception&) {
        return kCantHappenErr;
    }
    return kNoErr;
}

bool IsSegmentKind(HoverKind kind) {
    switch (kind) {
        case HoverKind::StraightSegmentHit:
        case HoverKind::CurveHit:
        case HoverKind::ArcHit:
        case HoverKind::DimensionSegmentHit:
        case HoverKind::DimensionArcHit:
            return true;
        default:
            return false;
    }
}

bool IsPathKind(HoverKind kind) {
    return kind == HoverKind::StraightSegmentHit || kind == HoverKind::CurveHit ||
           kind == HoverKind::ArcHit;
}

bool IsPointKind(HoverKind kind) {
    return kind == HoverKind::AnchorHit || kind == HoverKind::SnappedPointHit ||
           kind == HoverKind::CrossingHit;
}

AIToolHitData HitAt(Point pointer, AIReal tolerance, int32_t request) {
    const AIRealPoint at = ToHost(pointer);
    AIHitRef ref = nullptr;
    ai::Check(sAIHitTest->HitTestEx(nullptr, &at, tolerance, request, &ref));
    AIToolHitData data{};
    const AIErr error = sAIHitTest->GetHitData(ref, &data);
    sAIHitTest->Release(ref);
    ai::Check(error);
    return data;
}

namespace {

AIToolHitData PointBeneath(Point pointer, bool* dimensionHit, int depth) {
    const AIToolHitData point = HitAt(pointer, kHoverTolerance, kPointHitRequest);
    if (!point.hit || !HasTag(point.art, tags::kPiece)) return point;
    *dimensionHit = true;
    if (depth == kMaxPiecesLookedThrough) return AIToolHitData{};
    TemporaryLock lock(point.art);
    const AIToolHitData beneath = PointBeneath(pointer, dimensionHit, depth + 1);
    lock.Restore();
    return beneath;
}

}  // namespace

AIToolHitData PointThroughDimensions(Point pointer, bool* dimensionHit) {
    *dimensionHit = false;
    return PointBeneath(pointer, dimensionHit, 0);
}

bool IsDimensionLine(AIArtHandle art) {
    return HasTag(art, tags::kSegmentMarker) || HasTag(art, tags::kAngleMarker) ||
           HasTag(art, tags::kCircleMarker);
}

bool OtherPathUnder(AIArtHandle path, Point pointer) {
    TemporaryLock lock(path);
    const AIToolHitData other = HitAt(pointer, kSecondPathTolerance, kSegmentHitRequest);
    lock.Restore();
    return other.hit && other.type == kSegmentType;
}

Point CrossingPoint(Point pointer) {
    AIRealPoint snapped = ToHost(pointer);
    ai::Check(sAICursorSnap->Track(nullptr, ToHost(pointer), kCrossingSnap, &snapped));
    return FromHost(snapped);
}

void RecordSegmentHit(HoverState& hover, const AIToolHitData& hit) {
    hover.path = hit.art;
    hover.t = hit.t;
    hover.segmentEnd = hit.segment;
    hover.segmentStart = static_cast<std::int16_t>(
        hit.segment == 0 ? HostPath(hit.art).AnchorCount() - 1 : hit.segment - 1);
}

void SetSegmentKind(HoverState& hover, const Bezier& b, const PathSegment& arcStart,
                    const PathSegment& arcEnd, bool backwards, bool dimensionLine) {
    hover.segmentPoints[0] = b.p0;
    hover.segmentPoints[1] = b.p3;
    if (SamePoint(b.p0, b.p1) && SamePoint(b.p3, b.p2)) {
        hover.kind = dimensionLine ? HoverKind::DimensionSegmentHit : HoverKind::StraightSegmentHit;
        return;
    }
    Point centre;
    float radius = 0;
    if (!IsCircularArc(arcStart, arcEnd, backwards, &centre, &radius)) {
        hover.kind = HoverKind::CurveHit;
        return;
    }
    hover.kind = dimensionLine ? HoverKind::DimensionArcHit : HoverKind::ArcHit;
    hover.centre = centre;
    hover.radius = radius;
}

void ClassifySegmentShape(HoverState& hover, const AIToolHitData& hit, Point straightPoint,
                          bool dimensionLine) {
    const Bezier b = HostPath(hover.path).SegmentBezier(hover.segmentStart);
    // The host's Bézier gives the arc test synthetic end records: a control point lying
    // on its anchor leaves a record with both retracted, never an arc.
    const PathSegment start{b.p0, b.p0, b.p1, true}, end{b.p3, b.p2, b.p3, true};
    SetSegmentKind(hover, b, start, end, false, dimensionLine);
    const bool straight =
        hover.kind == HoverKind::StraightSegmentHit || hover.kind == HoverKind::DimensionSegmentHit;
    hover.hoverPoint = straight ? straightPoint : FromHost(hit.point);
}

}  // namespace quill
