#include "plugin/dimensions/offset_line.h"

#include <cmath>

#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr float kFlatness = 1.0f;
constexpr float kCapTolerance = 1.0f;  // an outline anchor within this of the offset is a cap

AIRealBezier ToHost(const Bezier& b) {
    return {{b.p0.h, b.p0.v}, {b.p1.h, b.p1.v}, {b.p2.h, b.p2.v}, {b.p3.h, b.p3.v}};
}

Point FromHost(AIRealPoint p) {
    return {p.h, p.v};
}

float TAtLength(const Bezier& bezier, float length, float total) {
    AIRealBezier host = ToHost(bezier);
    AIReal t = 0;
    sAIRealBezier->TAtLength(&host, length, total, kFlatness, &t);
    return t;
}

void Divide(const Bezier& bezier, float t, Bezier* before, Bezier* after) {
    AIRealBezier host = ToHost(bezier), first{}, second{};
    sAIRealBezier->Divide(&host, t, &first, &second);
    *before = {FromHost(first.p0), FromHost(first.p1), FromHost(first.p2), FromHost(first.p3)};
    *after = {FromHost(second.p0), FromHost(second.p1), FromHost(second.p2), FromHost(second.p3)};
}

bool AtEnd(const std::vector<PathSegment>& outline, std::size_t i, Point end, float offset) {
    const Point p = outline[i % outline.size()].p;
    return std::fabs(std::hypot(p.h - end.h, p.v - end.v) - offset) < kCapTolerance;
}

std::vector<PathSegment> Reversed(std::vector<PathSegment> run) {
    std::vector<PathSegment> reversed(run.rbegin(), run.rend());
    for (auto& s : reversed) std::swap(s.in, s.out);
    return reversed;
}

}  // namespace

float HostBezierLength(const Bezier& bezier) {
    AIRealBezier host = ToHost(bezier);
    AIReal length = 0;
    sAIRealBezier->Length(&host, kFlatness, &length);
    return length;
}

std::vector<PathSegment> ReadSegments(AIArtHandle path) {
    std::int16_t count = 0;
    if (sAIPath->GetPathSegmentCount(path, &count) != kNoErr || count <= 0) return {};
    std::vector<AIPathSegment> host(static_cast<std::size_t>(count));
    if (sAIPath->GetPathSegments(path, 0, count, host.data()) != kNoErr) return {};
    std::vector<PathSegment> segments;
    for (const auto& s : host)
        segments.push_back({FromHost(s.p), FromHost(s.in), FromHost(s.out), s.corner != 0});
    return segments;
}

Bezier RunBezier(const std::vector<PathSegment>& run, std::size_t i) {
    return {run[i].p, run[i].out, run[i + 1].in, run[i + 1].p};
}

AIArtHandle OutlineAround(AIArtHandle path, AIArtHandle group, float offset, int* pieces) {
    *pieces = 0;
    AIArtHandle copy = nullptr;
    if (sAIArt->DuplicateArt(path, kPlaceInsideOnBottom, group, &copy) != kNoErr) return nullptr;
    AIPathStyle style = Styles().stroke;
    style.stroke.width = 2 * offset;
    style.stroke.cap = Settings().roundCaps ? kAIRoundCap : kAIButtCap;
    style.stroke.join = kAIMiterJoin;
    sAIPathStyle->SetPathStyle(copy, &style);

    for (AIArtHandle existing : UnlockedPaths())
        WriteTag(existing, tags::kPreExisting, tags::kMarkerValue);
    sAIArtConverter->OutlineStroke(copy);
    AIArtHandle outline = nullptr;
    for (AIArtHandle art : UnlockedPaths()) {
        if (HasTag(art, tags::kPreExisting)) {
            RemoveTag(art, tags::kPreExisting);
            continue;
        }
        ++*pieces;
        if (!outline)
            outline = art;
        else
            DisposeArt(art);
    }
    DisposeArt(copy);  // a host that keeps the stroked copy leaves it behind
    if (*pieces >= 2) {
        DisposeArt(outline);
        return nullptr;
    }
    return outline;
}

std::vector<PathSegment> LongSide(const std::vector<PathSegment>& outline, Point e0, Point e1,
                                  float offset, bool otherSide) {
    const std::size_t m = outline.size();
    const auto at = [&](std::size_t i, Point end) { return AtEnd(outline, i, end, offset); };
    long s0a = -1, s0b = -1, s1a = -1, s1b = -1;
    for (std::size_t i = 0; i < m; ++i) {
        const std::size_t before = (i + m - 1) % m, after = (i + 1) % m;
        if (s0a < 0 && at(i, e0) && at(before, e0)) s0a = static_cast<long>(before);
        if (s0b < 0 && at(i, e0) && !at(after, e0)) s0b = static_cast<long>(i);
        if (s1a < 0 && at(i, e1) && !at(before, e1)) s1a = static_cast<long>(i);
        if (s1b < 0 && at(i, e1) && !at(after, e1)) s1b = static_cast<long>(i);
    }
    const long from = otherSide ? s1b : s0b, to = otherSide ? s0a : s1a;
    if (from < 0 || to < 0) return {};
    const long count = to > from ? to - from + 1 : static_cast<long>(m) - from + 1 + to;
    std::vector<PathSegment> side;
    for (long k = 0; k < count; ++k)
        side.push_back(outline[static_cast<std::size_t>(from + k) % m]);
    return side;
}

void ShortenRun(std::vector<PathSegment>* run, float distance, bool atEnd) {
    if (atEnd) *run = Reversed(*run);
    float remaining = distance;
    while (run->size() >= 2 && remaining > 0) {
        const Bezier first = RunBezier(*run, 0);
        const float length = HostBezierLength(first);
        if (length < remaining) {
            remaining -= length;
            run->erase(run->begin());
            continue;
        }
        Bezier before, after;
        Divide(first, TAtLength(first, remaining, length), &before, &after);
        (*run)[0].p = after.p0;
        (*run)[0].in = after.p0;
        (*run)[0].out = after.p1;
        (*run)[1].in = after.p2;
        break;
    }
    if (atEnd) *run = Reversed(*run);
}

Point RunMiddle(const std::vector<PathSegment>& run) {
    if (run.empty()) return {};
    float total = 0;
    for (std::size_t i = 0; i + 1 < run.size(); ++i) total += HostBezierLength(RunBezier(run, i));
    float remaining = total / 2;
    for (std::size_t i = 0; i + 1 < run.size(); ++i) {
        const Bezier bezier = RunBezier(run, i);
        const float length = HostBezierLength(bezier);
        if (remaining > length && i + 2 < run.size()) {
            remaining -= length;
            continue;
        }
        AIRealBezier host = ToHost(bezier);
        AIRealPoint point{};
        sAIRealBezier->Evaluate(&host, TAtLength(bezier, remaining, length), &point);
        return FromHost(point);
    }
    return run.front().p;
}

}  // namespace quill
