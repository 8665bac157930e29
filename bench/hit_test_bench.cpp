// Hit testing on a drawing of 10,000 paths (100,000 segments): building the spatial
// index, a pointer query as the tools make it (anchor test, then segment test, through
// the suite), and the Lengths & Areas proximity walk (the plug-in's walk over the paths
// the host finds near the pointer). Percentiles of the time per query are reported.
#include <benchmark/benchmark.h>

#include "bench_drawing.h"
#include "bench_timing.h"
#include "host/core/host.h"
#include "host/geometry/segment_index.h"
#include "host/suites/handles.h"
#include "plugin/services/host_geometry.h"
#include "support/document_suites.h"

namespace {

constexpr int kPaths = 10000;
constexpr int kSegmentsPerPath = 10;
constexpr float kPageSide = 3000;
constexpr int kQueries = 20000;

struct Drawing {
    host::Host host;
    std::vector<AIRealPoint> pointers;
    Drawing() {
        host::SetCurrentHost(&host);
        quill::bench::DrawPaths(host.document(), kPaths, kSegmentsPerPath, kPageSide, 1);
        host.segmentIndex();  // built before anything is timed
        pointers = quill::bench::Pointers(host.document(), kQueries, kPageSide, 2);
    }
};

Drawing& TheDrawing() {
    static Drawing drawing;
    host::SetCurrentHost(&drawing.host);
    return drawing;
}

void Report(benchmark::State& state, std::vector<double>& nanoseconds) {
    state.counters["p50_us"] = quill::bench::Quantile(nanoseconds, 0.5) / 1000;
    state.counters["p99_us"] = quill::bench::Quantile(nanoseconds, 0.99) / 1000;
    state.counters["max_us"] = quill::bench::Quantile(nanoseconds, 1.0) / 1000;
}

void IndexBuild(benchmark::State& state) {
    Drawing& drawing = TheDrawing();
    std::vector<double> times;
    for (auto _ : state)
        times.push_back(
            quill::bench::TimeNs([&] { host::SegmentIndex index(drawing.host.document()); }));
    state.counters["segments"] = static_cast<double>(drawing.host.segmentIndex().SegmentCount());
    state.counters["build_ms"] = quill::bench::Quantile(times, 0.5) / 1e6;
}

void PointerQuery(benchmark::State& state) {
    Drawing& drawing = TheDrawing();
    const auto* hits = static_cast<const AIHitTestSuite*>(
        drawing.host.suites().Find(kAIHitTestSuite, kAIHitTestSuiteVersion));
    auto test = [&](const AIRealPoint& p, int32_t request) {
        AIHitRef ref = nullptr;
        AIToolHitData data{};
        hits->HitTestEx(nullptr, &p, 4, request, &ref);
        hits->GetHitData(ref, &data);
        hits->Release(ref);
        return data.hit;
    };
    std::vector<double> times;
    int found = 0;
    for (auto _ : state)
        for (const AIRealPoint& p : drawing.pointers)
            times.push_back(quill::bench::TimeNs(
                [&] { found += test(p, kPointHitRequest) || test(p, kSegmentHitRequest); }));
    state.counters["hit_share"] = static_cast<double>(found) / static_cast<double>(times.size());
    Report(state, times);
}

void LengthsWalk(benchmark::State& state) {
    Drawing& drawing = TheDrawing();
    quill::testing::PluginSuites suites(drawing.host);
    const auto walked = [](AIArtHandle art) {
        int32_t attributes = 0;
        sAIArt->GetArtUserAttr(art, kArtLocked | kArtHidden, &attributes);
        return attributes == 0;
    };
    std::vector<double> times;
    int found = 0;
    for (auto _ : state)
        for (const AIRealPoint& p : drawing.pointers)
            times.push_back(quill::bench::TimeNs([&] {
                found += quill::FirstNearbyHit({p.h, p.v}, 6.0f, walked).has_value();
            }));
    state.counters["hit_share"] = static_cast<double>(found) / static_cast<double>(times.size());
    Report(state, times);
}

BENCHMARK(IndexBuild)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(PointerQuery)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LengthsWalk)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
