// The cursor feedback's annotation pass through the host with the plug-in loaded, on a
// drawing of 10,000 paths: the Segment tool over a curved path of 10,000 segments (the
// whole path drawn over as a mark, a ring on the point, the texts and the legend), and
// over the drawing's ordinary paths as the pointer wanders. Each pass alone is timed;
// percentiles per pass are reported.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_drawing.h"
#include "bench_host.h"
#include "bench_timing.h"
#include "host/core/event_state.h"
#include "host/core/host.h"

namespace {

constexpr int kPaths = 10000;
constexpr int kSegmentsPerPath = 10;
constexpr float kPageSide = 3000;
constexpr int kLongPathSegments = 10000;
constexpr int kPasses = 500;

// A wave of curved segments along y = 3200, above the generated drawing: anchors 10
// points apart, each segment a bump of 4.5 points.
void DrawLongCurve(host::Document& document) {
    host::Art* path = document.NewArt(host::ArtKind::Path, kPlaceDefault, nullptr);
    std::vector<AIPathSegment> anchors;
    for (int i = 0; i <= kLongPathSegments; ++i) {
        const float x = 100.0f + 10.0f * static_cast<float>(i);
        const AIRealPoint p{x, 3200};
        anchors.push_back({p, {x - 3, 3206}, {x + 3, 3206}, 0});
    }
    document.SetSegments(path, anchors);
}

void BM_PathMarkPass(benchmark::State& state) {
    host::Host host;
    host::SetCurrentHost(&host);
    quill::bench::DrawPaths(host.document(), kPaths, kSegmentsPerPath, kPageSide, 7);
    DrawLongCurve(host.document());
    if (!quill::bench::StartTool(host, "Outil Segment", state)) return;
    host.SendMouseEvent(host::MouseEvent::Move, {50105, 3204.5f}, {});
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (int i = 0; i < kPasses; ++i)
            times.push_back(quill::bench::TimeNs([&] { host.FinishEvent(true); }));
    }
    std::size_t curves = 0;
    for (const auto& op : host.log().annotation)
        curves += op.kind == host::DrawOp::Kind::Bezier ? 1 : 0;
    if (curves != kLongPathSegments) state.SkipWithError("the long path was not marked");
    state.counters["p50_us"] = quill::bench::Quantile(times, 0.5) / 1000;
    state.counters["p99_us"] = quill::bench::Quantile(times, 0.99) / 1000;
    host.ShutdownPlugins();
}
BENCHMARK(BM_PathMarkPass)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_TrackingPass(benchmark::State& state) {
    host::Host host;
    host::SetCurrentHost(&host);
    quill::bench::DrawPaths(host.document(), kPaths, kSegmentsPerPath, kPageSide, 7);
    if (!quill::bench::StartTool(host, "Outil Segment", state)) return;
    const std::vector<AIRealPoint> pointers =
        quill::bench::Pointers(host.document(), kPasses * 4, kPageSide, 11);
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (const AIRealPoint& pointer : pointers) {
            host.SendMouseEvent(host::MouseEvent::Move, pointer, {});
            times.push_back(quill::bench::TimeNs([&] { host.FinishEvent(true); }));
        }
    }
    state.counters["p50_us"] = quill::bench::Quantile(times, 0.5) / 1000;
    state.counters["p99_us"] = quill::bench::Quantile(times, 0.99) / 1000;
    host.ShutdownPlugins();
}
BENCHMARK(BM_TrackingPass)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
