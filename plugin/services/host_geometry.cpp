#include "plugin/services/host_geometry.h"

#include <algorithm>
#include <cstdint>

#include <cstdint>

#include "plugin/geometry/path_lengths.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/suites.h"

namespace quill {

Bezier FromHost(const AIRealBezier& b) {
    return {FromHost(b.p0), FromHost(b.p1), FromHost(b.p2), FromHost(b.p3)};
}

AIPoint HeldInView(AIPoint point) {
    constexpr std::int32_t kFarthest = 1000000000;
    return {std::clamp(point.h, -kFarthest, kFarthest), std::clamp(point.v, -kFarthest, kFarthest)};
}

AIRealBezier ToHost(const Bezier& b) {
    return {ToHost(b.p0), ToHost(b.p1), ToHost(b.p2), ToHost(b.p3)};
}

PathSegment FromHost(const AIPathSegment& s) {
    return {FromHost(s.p), FromHost(s.in), FromHost(s.out), s.corner != 0};
}

float HostBezierLength(const Bezier& bezier) {
    const AIRealBezier b = ToHost(bezier);
    AIReal length = 0;
    sAIRealBezier->Length(&b, kLengthFlatness, &length);
    return length;
}

float HostTAtLength(const Bezier& bezier, float length, float total) {
    const AIRealBezier b = ToHost(bezier);
    AIReal t = 0;
    sAIRealBezier->TAtLength(&b, length, total, kLengthFlatness, &t);
    return t;
}

Point HostEvaluate(const Bezier& bezier, float t) {
    const AIRealBezier b = ToHost(bezier);
    AIRealPoint p{};
    sAIRealBezier->Evaluate(&b, t, &p);
    return FromHost(p);
}

void HostDivide(const Bezier& bezier, float t, Bezier* before, Bezier* after) {
    const AIRealBezier b = ToHost(bezier);
    AIRealBezier first{}, second{};
    sAIRealBezier->Divide(&b, t, &first, &second);
    *before = FromHost(first);
    *after = FromHost(second);
}

std::vector<PathSegment> ReadAnchors(AIArtHandle path) {
    std::int16_t count = 0;
    if (sAIPath->GetPathSegmentCount(path, &count) != kNoErr || count <= 0) return {};
    std::vector<AIPathSegment> host(static_cast<std::size_t>(count));
    if (sAIPath->GetPathSegments(path, 0, count, host.data()) != kNoErr) return {};
    std::vector<PathSegment> anchors;
    anchors.reserve(host.size());
    for (const AIPathSegment& s : host) anchors.push_back(FromHost(s));
    return anchors;
}

float HostBezierService::Length(const Bezier& bezier, float flatness) const {
    const AIRealBezier b = ToHost(bezier);
    AIReal length = 0;
    ai::Check(sAIRealBezier->Length(&b, flatness, &length));
    return length;
}

float HostBezierService::TAtLength(const Bezier& bezier, float length, float total,
                                   float flatness) const {
    const AIRealBezier b = ToHost(bezier);
    AIReal t = 0;
    ai::Check(sAIRealBezier->TAtLength(&b, length, total, flatness, &t));
    return t;
}

Point HostBezierService::Evaluate(const Bezier& bezier, float t) const {
    const AIRealBezier b = ToHost(bezier);
    AIRealPoint p{};
    ai::Check(sAIRealBezier->Evaluate(&b, t, &p));
    return FromHost(p);
}

Point HostBezierService::Tangent(const Bezier& bezier, float t) const {
    const AIRealBezier b = ToHost(bezier);
    AIRealVector v{};
    ai::Check(sAIRealBezier->Tangent(&b, t, &v));
    return FromHost(v);
}

int HostPath::AnchorCount() const {
    int16_t count = 0;
    ai::Check(sAIPath->GetPathSegmentCount(path_, &count));
    return count;
}

bool HostPath::Closed() const {
    AIBoolean closed = false;
    ai::Check(sAIPath->GetPathClosed(path_, &closed));
    return closed != 0;
}

PathSegment HostPath::Anchor(int i) const {
    AIPathSegment segment{};
    ai::Check(sAIPath->GetPathSegments(path_, static_cast<int16_t>(i), 1, &segment));
    return FromHost(segment);
}

std::vector<PathSegment> HostPath::Anchors() const {
    const int n = AnchorCount();
    std::vector<AIPathSegment> segments(static_cast<std::size_t>(n));
    if (n > 0)
        ai::Check(sAIPath->GetPathSegments(path_, 0, static_cast<int16_t>(n), segments.data()));
    std::vector<PathSegment> anchors;
    anchors.reserve(segments.size());
    for (const AIPathSegment& s : segments) anchors.push_back(FromHost(s));
    return anchors;
}

Bezier HostPath::SegmentBezier(int i) const {
    AIRealBezier b{};
    ai::Check(sAIPath->GetPathBezier(path_, static_cast<int16_t>(i), &b));
    return FromHost(b);
}

float HostPath::MeasuredOpenLength() const {
    const int n = AnchorCount();
    if (n < 1) return 0;
    std::vector<AIReal> accumulated(static_cast<std::size_t>(n), 0);
    ai::Check(sAIPath->MeasurePathSegments(path_, 0, static_cast<int16_t>(n), nullptr,
                                           accumulated.data(), 0));
    return accumulated.back();
}

float HostPath::Area() const {
    AIReal area = 0;
    ai::Check(sAIPath->GetPathArea(path_, &area));
    return area;
}

std::vector<NearbyPath> NearbyPaths(Point pointer, float tolerance) {
    const AIRealPoint at = ToHost(pointer);
    const AIReal radius = CandidateRadius(tolerance, pointer);
    // Rarely more than a few segments lie near the pointer; ask again when more do.
    int32_t capacity = 64, count = 0;
    std::vector<AIArtHandle> arts;
    std::vector<int16_t> segments;
    for (;;) {
        arts.resize(static_cast<std::size_t>(capacity));
        segments.resize(static_cast<std::size_t>(capacity));
        ai::Check(sAIHitTest->FindSegmentsNear(&at, radius, arts.data(), segments.data(), capacity,
                                               &count));
        if (count <= capacity) break;
        capacity = count;
    }
    arts.resize(static_cast<std::size_t>(count));
    std::vector<NearbyPath> paths;
    for (std::size_t i = 0; i < arts.size() && i < static_cast<std::size_t>(count); ++i) {
        if (paths.empty() || paths.back().art != arts[i]) paths.push_back({arts[i], {}, false, {}});
        paths.back().segments.push_back(segments[i]);
    }
    return paths;
}

std::optional<NearbyHit> FirstNearbyHit(Point pointer, float tolerance,
                                        const std::function<bool(AIArtHandle)>& walked) {
    const PointCloseness close = [](Point a, Point b, float within) {
        const AIRealPoint p = ToHost(a), q = ToHost(b);
        AIBoolean near = false;
        ai::Check(sAIRealMath->AIRealPointClose(&p, &q, within, &near));
        return near != 0;
    };
    for (NearbyPath& path : NearbyPaths(pointer, tolerance)) {
        if (!walked(path.art)) continue;
        const HostPath reader(path.art);
        const auto hit = FirstHitOnPath(reader.Anchors(), reader.Closed(), pointer, tolerance,
                                        close, &path.segments);
        if (hit) return NearbyHit{path.art, *hit};
    }
    return std::nullopt;
}

}  // namespace quill
