// "AI Hit Test Suite": hit records the plug-in holds until it releases them.
#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

#include "host/core/host.h"
#include "host/geometry/hit_test.h"
#include "host/suites/handles.h"
#include "host/suites/registry.h"
#include "host/suites/suite_checks.h"

namespace host {

namespace {

// Live hit records by the handle given out; anything else is refused as stale.
std::unordered_map<AIHitRef, std::unique_ptr<AIToolHitData>>& LiveHits() {
    static std::unordered_map<AIHitRef, std::unique_ptr<AIToolHitData>> hits;
    return hits;
}

AIToolHitData ToData(const Hit& hit) {
    AIToolHitData data{};
    data.hit = hit.hit;
    data.art = HandleOf(hit.art);
    data.group = HandleOf(hit.group);
    data.type = hit.type;
    data.segment = static_cast<int16_t>(hit.segment);
    data.t = hit.t;
    data.point = hit.point;
    return data;
}

ASErr AIAPI HitTestEx(AIArtHandle art, const AIRealPoint* point, AIReal tolerance, int32_t option,
                      AIHitRef* hit) {
    return Guarded(kAIHitTestSuite, "HitTestEx", [&]() -> ASErr {
        if (!point || !hit || !Finite(*point) || !(tolerance >= 0) || !Finite(tolerance))
            return kBadParameterErr;
        if (!HasCurrentHost()) return kCantHappenErr;
        const Art* within = nullptr;
        if (art && !(within = ArtOf(art))) return kStaleHandleErr;
        Host& h = CurrentHost();
        auto data = std::make_unique<AIToolHitData>(
            ToData(HitTest(h.document(), h.segmentIndex(), *point, tolerance, option, within)));
        auto ref = reinterpret_cast<AIHitRef>(data.get());
        LiveHits()[ref] = std::move(data);
        *hit = ref;
        return kNoErr;
    });
}

ASErr AIAPI GetHitData(AIHitRef hit, AIToolHitData* data) {
    return Guarded(kAIHitTestSuite, "GetHitData", [&]() -> ASErr {
        if (!data) return kBadParameterErr;
        auto it = LiveHits().find(hit);
        if (it == LiveHits().end()) return kStaleHandleErr;
        *data = *it->second;
        return kNoErr;
    });
}

ASErr AIAPI Release(AIHitRef hit) {
    return Guarded(kAIHitTestSuite, "Release",
                   [&]() -> ASErr { return LiveHits().erase(hit) ? kNoErr : kStaleHandleErr; });
}

ASErr AIAPI FindSegmentsNear(const AIRealPoint* point, AIReal radius, AIArtHandle* arts,
                             int16_t* segments, int32_t capacity, int32_t* count) {
    return Guarded(kAIHitTestSuite, "FindSegmentsNear", [&]() -> ASErr {
        if (!point || !count || !Finite(*point) || !(radius >= 0) || !Finite(radius) ||
            capacity < 0 || (capacity > 0 && (!arts || !segments)))
            return kBadParameterErr;
        if (!HasCurrentHost()) return kCantHappenErr;
        const SegmentIndex& index = CurrentHost().segmentIndex();
        struct Found {
            PaintRankValue rank;
            int segment;
            const Art* path;
        };
        std::vector<Found> found;
        index.Query(*point, radius, [&](const Art& path, int i) {
            found.push_back({index.PaintRank(path), i, &path});
        });
        std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
            return a.rank != b.rank ? a.rank < b.rank : a.segment < b.segment;
        });
        *count = static_cast<int32_t>(found.size());
        const auto written =
            std::min<std::size_t>(found.size(), static_cast<std::size_t>(capacity));
        for (std::size_t k = 0; k < written; ++k) {
            arts[k] = HandleOf(found[k].path);
            segments[k] = static_cast<int16_t>(found[k].segment);
        }
        return kNoErr;
    });
}

const AIHitTestSuite kSuite = {HitTestEx, GetHitData, Release, FindSegmentsNear};
const SuiteTable kRegistration(kAIHitTestSuite, kAIHitTestSuiteVersion, &kSuite);

}  // namespace

}  // namespace host
