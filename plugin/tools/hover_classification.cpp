#include "plugin/tools/hover_classification.h"

#include "plugin/associative/tags.h"
#include "plugin/frame/host_art.h"
#include "plugin/frame/suites.h"
#include "plugin/geometry/arcs.h"
#include "plugin/tools/segment_hover.h"

namespace quill {

namespace {

constexpr AIReal kHitTolerance = 4.0f;
constexpr AIReal kCrossingTolerance = 2.0f;
constexpr char kCrossingSnap[] = "A i o";

Point FromHost(AIRealPoint p) {
    return {p.h, p.v};
}

// One host hit test at the pointer; false when nothing of the asked kind is hit.
bool HitAt(Point pointer, AIReal tolerance, int32_t request, AIToolHitData* data) {
    *data = AIToolHitData{};
    AIHitRef hit = nullptr;
    const AIRealPoint at{pointer.h, pointer.v};
    if (sAIHitTest->HitTestEx(nullptr, &at, tolerance, request, &hit) != kNoErr) return false;
    const bool found = sAIHitTest->GetHitData(hit, data) == kNoErr && data->hit;
    sAIHitTest->Release(hit);
    return found;
}

bool IsDimensionPiece(AIArtHandle art) {
    return HasTag(art, tags::kSegmentMarker) || HasTag(art, tags::kAngleMarker) ||
           HasTag(art, tags::kCircleMarker);
}

std::int16_t AnchorCount(AIArtHandle path) {
    std::int16_t count = 0;
    sAIPath->GetPathSegmentCount(path, &count);
    return count;
}

// The segment ending at the host's segment index: i − 1 to i, or the closing segment.
void RecordSegment(SegmentHover& hover, const AIToolHitData& hit) {
    hover.path = hit.art;
    hover.segment = hit.segment;
    hover.t = hit.t;
    hover.point = FromHost(hit.point);
    hover.segmentEnd = hit.segment;
    hover.segmentStart =
        static_cast<std::int16_t>(hit.segment == 0 ? AnchorCount(hit.art) - 1 : hit.segment - 1);
}

// Straight, arc or curve, from the segment's Bézier.
void ClassifySegmentShape(SegmentHover& hover, bool dimensionPiece) {
    AIRealBezier b{};
    if (sAIPath->GetPathBezier(hover.path, hover.segmentStart, &b) != kNoErr) return;
    const Point p0 = FromHost(b.p0), p1 = FromHost(b.p1), p2 = FromHost(b.p2), p3 = FromHost(b.p3);
    hover.segmentPoints[0] = p0;
    hover.segmentPoints[1] = p3;
    const bool straight = p0.h == p1.h && p0.v == p1.v && p3.h == p2.h && p3.v == p2.v;
    if (straight) {
        hover.kind =
            dimensionPiece ? SegmentHitKind::DimensionLine : SegmentHitKind::StraightSegment;
        return;
    }
    const PathSegment a{p0, p0, p1, true}, end{p3, p2, p3, true};
    Point centre;
    float radius = 0;
    if (!IsCircularArc(a, end, false, &centre, &radius)) {
        hover.kind = SegmentHitKind::Curve;
        return;
    }
    hover.kind = dimensionPiece ? SegmentHitKind::DimensionArc : SegmentHitKind::Arc;
    hover.centre = centre;
    hover.radius = radius;
}

// Another path's segment under the pointer while the first path is locked.
bool CrossingUnder(AIArtHandle path, Point pointer) {
    int32_t attributes = 0;
    sAIArt->GetArtUserAttr(path, kArtLocked, &attributes);
    sAIArt->SetArtUserAttr(path, kArtLocked, kArtLocked);
    AIToolHitData other{};
    const bool crossing = HitAt(pointer, kCrossingTolerance, kSegmentHitRequest, &other) &&
                          other.type == kSegmentType;
    sAIArt->SetArtUserAttr(path, kArtLocked, attributes);
    return crossing;
}

}  // namespace

AIErr ClassifySegmentHover(Point pointer) {
    SegmentHover& hover = Hover();
    hover = SegmentHover{};
    hover.pointer = pointer;
    AIToolHitData hit{};
    if (HitAt(pointer, kHitTolerance, kPointHitRequest, &hit)) {
        if (HasTag(hit.art, tags::kPiece)) return kNoErr;
        hover.path = hit.art;
        hover.point = FromHost(hit.point);
        hover.kind =
            hit.type == kAnchorPointType ? SegmentHitKind::Anchor : SegmentHitKind::Snapped;
        hover.anchor = hit.segment;
        return kNoErr;
    }
    if (!HitAt(pointer, kHitTolerance, kSegmentHitRequest, &hit) || hit.type != kSegmentType)
        return kNoErr;
    const bool dimensionPiece = IsDimensionPiece(hit.art);
    if (!dimensionPiece && HasTag(hit.art, tags::kPiece)) return kNoErr;
    RecordSegment(hover, hit);
    if (CrossingUnder(hit.art, pointer)) {
        if (dimensionPiece) {
            hover = SegmentHover{};
            hover.pointer = pointer;
            return kNoErr;
        }
        AIRealPoint snapped{pointer.h, pointer.v};
        sAICursorSnap->Track(nullptr, snapped, kCrossingSnap, &snapped);
        hover.kind = SegmentHitKind::Crossing;
        hover.point = FromHost(snapped);
        return kNoErr;
    }
    ClassifySegmentShape(hover, dimensionPiece);
    return kNoErr;
}

AIErr ClassifyParametersHover(Point pointer) {
    SegmentHover& hover = Hover();
    hover = SegmentHover{};
    hover.pointer = pointer;
    AIToolHitData hit{};
    if (HitAt(pointer, kHitTolerance, kPointHitRequest, &hit) && HasTag(hit.art, tags::kPiece))
        return kNoErr;
    if (!HitAt(pointer, kHitTolerance, kSegmentHitRequest, &hit) || hit.type != kSegmentType ||
        !IsDimensionPiece(hit.art))
        return kNoErr;
    RecordSegment(hover, hit);
    ClassifySegmentShape(hover, true);
    if (hover.kind == SegmentHitKind::Curve) hover.kind = SegmentHitKind::DimensionLine;
    return kNoErr;
}

}  // namespace quill
