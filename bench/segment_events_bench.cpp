// The Segment tool's events through the host with the plug-in loaded, as a user makes
// them: a drag event of an oblique dimension (every piece rebuilt, the annotation pass
// after it), and a cursor-tracking event over a drawing of 10,000 paths. Percentiles of
// the time per event are reported.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_drawing.h"
#include "bench_host.h"
#include "bench_timing.h"
#include "host/core/host.h"

namespace {

constexpr int kPaths = 10000;
constexpr int kSegmentsPerPath = 10;
constexpr float kPageSide = 3000;
constexpr int kEvents = 3000;

void Report(benchmark::State& state, std::vector<double>& nanoseconds) {
    state.counters["p50_us"] = quill::bench::Quantile(nanoseconds, 0.5) / 1000;
    state.counters["p99_us"] = quill::bench::Quantile(nanoseconds, 0.99) / 1000;
}

// A host with the plug-in started and the Segment tool selected.
bool StartSegmentTool(host::Host& host, benchmark::State& state) {
    host::SetCurrentHost(&host);
    if (!quill::bench::StartTool(host, "Outil Segment", state)) return false;
    return true;
}

void BM_ObliqueDragEvent(benchmark::State& state) {
    host::Host host;
    if (!StartSegmentTool(host, state)) return;
    host::Art* path = host.document().NewArt(host::ArtKind::Path, kPlaceDefault, nullptr);
    host.document().SetSegments(
        path, {{{100, 100}, {100, 100}, {100, 100}, 1}, {{300, 180}, {300, 180}, {300, 180}, 1}});
    host.SendMouseEvent(host::MouseEvent::Down, {100, 100}, {});
    host.SendMouseEvent(host::MouseEvent::Up, {100, 100}, {});
    host.SendMouseEvent(host::MouseEvent::Down, {300, 180}, {});
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (int i = 0; i < kEvents; ++i) {
            const AIRealPoint pointer{200.0f + static_cast<float>(i % 50),
                                      100.0f + static_cast<float>(i % 80)};
            times.push_back(quill::bench::TimeNs(
                [&] { host.SendMouseEvent(host::MouseEvent::Drag, pointer, {}); }));
        }
    }
    Report(state, times);
    host.ShutdownPlugins();
}
BENCHMARK(BM_ObliqueDragEvent)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_TrackingEventOnTenThousandPaths(benchmark::State& state) {
    host::Host host;
    if (!StartSegmentTool(host, state)) return;
    quill::bench::DrawPaths(host.document(), kPaths, kSegmentsPerPath, kPageSide, 1);
    const auto pointers = quill::bench::Pointers(host.document(), kEvents, kPageSide, 2);
    std::vector<double> times;
    for (auto _ : state)
        times = quill::bench::TimeMouseEvents(host, host::MouseEvent::Move, pointers);
    Report(state, times);
    host.ShutdownPlugins();
}
BENCHMARK(BM_TrackingEventOnTenThousandPaths)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
