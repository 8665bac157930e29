#include "plugin/dimensions/offset_line.h"

#include <cmath>

#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/geometry/runs.h"
#include "plugin/geometry/vectors.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr float kCapTolerance = 1.0f;  // an outline anchor within this of the offset is a cap

bool AtEnd(const std::vector<PathSegment>& outline, std::size_t i, Point end, float offset) {
    const Point p = outline[i % outline.size()].p;
    return std::fabs(PointDistance(end, p) - offset) < kCapTolerance;
}

}  // namespace

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

void ShortenRun(std::vector<PathSegment>* run, float distance, RunEnd end) {
    const bool atEnd = end == RunEnd::End;
    if (atEnd) *run = ReversedRun(*run);
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
        HostDivide(first, HostTAtLength(first, remaining, length), &before, &after);
        (*run)[0].p = after.p0;
        (*run)[0].in = after.p0;
        (*run)[0].out = after.p1;
        (*run)[1].in = after.p2;
        break;
    }
    if (atEnd) *run = ReversedRun(*run);
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
        return HostEvaluate(bezier, HostTAtLength(bezier, remaining, length));
    }
    return run.front().p;
}

}  // namespace quill
