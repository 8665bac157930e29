#include <exception>

#include "plugin/frame/ai_error.h"
#include "plugin/frame/host_geometry.h"
#include "plugin/frame/suites.h"
#include "plugin/geometry/arcs.h"
#include "plugin/tools/dimension_markers.h"
#include "plugin/tools/hover_state.h"

namespace quill {

namespace {

constexpr AIReal kHitTolerance = 4.0f;
constexpr AIReal kSecondPathTolerance = 2.0f;
constexpr char kCrossingSnap[] = "A i o";

bool HasTag(AIArtHandle art, const char* name) {
    AIBoolean has = false;
    ai::Check(sAITag->HasTag(art, name, kTagStringType, &has));
    return has != 0;
}

bool IsDimensionLine(AIArtHandle art) {
    return HasTag(art, markers::kSegmentKind) || HasTag(art, markers::kAngleKind) ||
           HasTag(art, markers::kCircleKind);
}

// One host hit test; the hit record is released whatever happens.
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

// Locks a path for the time of a test and restores its locked attribute afterwards.
class TemporaryLock {
 public:
    explicit TemporaryLock(AIArtHandle art) : art_(art) {
        ai::Check(sAIArt->GetArtUserAttr(art_, kArtLocked, &saved_));
        ai::Check(sAIArt->SetArtUserAttr(art_, kArtLocked, kArtLocked));
    }
    ~TemporaryLock() { sAIArt->SetArtUserAttr(art_, kArtLocked, saved_); }
    TemporaryLock(const TemporaryLock&) = delete;
    TemporaryLock& operator=(const TemporaryLock&) = delete;

 private:
    AIArtHandle art_;
    int32_t saved_ = 0;
};

void ClassifyAnchor(HoverState& hover, const AIToolHitData& hit, HoverTool tool) {
    hover.kind = HoverKind::AnchorHit;
    hover.path = hit.art;
    hover.anchor = hit.segment;
    hover.hoverPoint = FromHost(hit.point);
    if (tool == HoverTool::Circle) return;
    const HostPath path(hit.art);
    const int n = path.AnchorCount();
    const int a = hit.segment;
    if (!path.Closed() && (a == 0 || a == n - 1)) {
        hover.notVertex = true;
        return;
    }
    hover.previous = static_cast<std::int16_t>(a == 0 ? n - 1 : a - 1);
    hover.next = static_cast<std::int16_t>(a == n - 1 ? 0 : a + 1);
    hover.notVertex =
        !IsAngleVertex(path.Anchor(hover.previous), path.Anchor(a), path.Anchor(hover.next));
}

// Straight, arc or other curve, from the Bézier of the segment hit.
void ClassifyShape(HoverState& hover, const AIToolHitData& hit, Point pointer, HoverTool tool,
                   bool dimensionLine) {
    const Bezier b = HostPath(hover.path).SegmentBezier(hover.segmentStart);
    const bool straight =
        b.p0.h == b.p1.h && b.p0.v == b.p1.v && b.p3.h == b.p2.h && b.p3.v == b.p2.v;
    if (straight) {
        hover.kind = dimensionLine ? HoverKind::DimensionSegmentHit : HoverKind::StraightSegmentHit;
        hover.segmentPoints[0] = b.p0;
        hover.segmentPoints[1] = b.p3;
        hover.hoverPoint = tool == HoverTool::Bezier ? FromHost(hit.point) : pointer;
        return;
    }
    const PathSegment start{b.p0, b.p0, b.p1, true}, end{b.p3, b.p2, b.p3, true};
    Point centre;
    float radius = 0;
    if (!IsCircularArc(start, end, false, &centre, &radius)) {
        hover.kind = HoverKind::CurveHit;
        hover.hoverPoint = FromHost(hit.point);
        return;
    }
    hover.kind = dimensionLine ? HoverKind::DimensionArcHit : HoverKind::ArcHit;
    hover.centre = centre;
    hover.radius = radius;
    hover.hoverPoint = FromHost(hit.point);
}

void Classify(HoverState& hover, Point pointer, HoverTool tool) {
    const AIToolHitData point = HitAt(pointer, kHitTolerance, kPointHitRequest);
    const bool anchor = point.hit && point.type == kAnchorPointType;
    const bool dimensionFirst = tool != HoverTool::Bezier;
    if (point.hit && (dimensionFirst || !anchor) && HasTag(point.art, markers::kDimensionPiece))
        return;
    if (anchor) return ClassifyAnchor(hover, point, tool);

    const AIToolHitData hit = HitAt(pointer, kHitTolerance, kSegmentHitRequest);
    if (!hit.hit || hit.type != kSegmentType) return;
    const bool dimensionLine = IsDimensionLine(hit.art);
    if (!dimensionLine && HasTag(hit.art, markers::kDimensionPiece)) return;
    hover.path = hit.art;
    hover.segmentEnd = hit.segment;
    hover.segmentStart = static_cast<std::int16_t>(
        hit.segment == 0 ? HostPath(hit.art).AnchorCount() - 1 : hit.segment - 1);

    if (tool != HoverTool::Bezier) {
        bool crossing = false;
        {
            TemporaryLock lock(hit.art);
            const AIToolHitData other = HitAt(pointer, kSecondPathTolerance, kSegmentHitRequest);
            crossing = other.hit && other.type == kSegmentType;
        }
        if (crossing) {
            AIRealPoint snapped = ToHost(pointer);
            ai::Check(sAICursorSnap->Track(nullptr, ToHost(pointer), kCrossingSnap, &snapped));
            hover.kind = HoverKind::CrossingHit;
            hover.hoverPoint = FromHost(snapped);
            return;
        }
    }
    ClassifyShape(hover, hit, pointer, tool, dimensionLine);
}

}  // namespace

HoverState& CurrentHover() {
    static HoverState hover;
    return hover;
}

AIErr ClassifyUnderPointer(Point pointer, HoverTool tool) {
    HoverState& hover = CurrentHover();
    hover = HoverState{};
    try {
        Classify(hover, pointer, tool);
    } catch (const ai::Error& error) {
        return error.code();
    } catch (const std::exception&) {
        return kCantHappenErr;
    }
    return kNoErr;
}

}  // namespace quill
