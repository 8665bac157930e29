// The Angle tool's drag through the host with the plug-in loaded, as a user makes it: a
// drag event of an angle dimension measured at a vertex (every piece rebuilt: the arc,
// both arrowheads, the label; the annotation pass after it). The pointer circles the
// vertex, so that the opening and the reflex angle alternate, at radii of 30 to 90
// points. Percentiles of the time per event are reported.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "bench_host.h"
#include "bench_timing.h"
#include "host/core/host.h"

namespace {

constexpr int kEvents = 3000;
constexpr AIRealPoint kVertex{100, 100};

// A host with the plug-in started and the Angle tool selected.
bool StartAngleTool(host::Host& host, benchmark::State& state) {
    host::SetCurrentHost(&host);
    if (!quill::bench::StartTool(host, "Outil Angle", state)) return false;
    return true;
}

// A corner of 60 degrees at the vertex, clicked there: the dimension follows the pointer.
void ClickTheVertex(host::Host& host) {
    host::Art* path = host.document().NewArt(host::ArtKind::Path, kPlaceDefault, nullptr);
    const AIRealPoint corners[3] = {{200, 100}, kVertex, {150, 186.60254f}};
    std::vector<AIPathSegment> segments;
    for (const AIRealPoint& p : corners) segments.push_back({p, p, p, 1});
    host.document().SetSegments(path, segments);
    host.SendMouseEvent(host::MouseEvent::Down, kVertex, {});
}

// The drag events reshaped a dimension: the arc carrying the angle's link is there.
bool DimensionWasDrawn(const host::Document& document) {
    bool linked = false;
    document.ForEachArt([&](host::Art& art) {
        for (const auto& tag : art.tags) linked = linked || tag.first == "moda";
    });
    return linked;
}

void BM_AngleDragEvent(benchmark::State& state) {
    host::Host host;
    if (!StartAngleTool(host, state)) return;
    ClickTheVertex(host);
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (int i = 0; i < kEvents; ++i) {
            const float turn = 0.0125f * static_cast<float>(i);
            const float radius = 30.0f + static_cast<float>(i % 61);
            const AIRealPoint pointer{kVertex.h + radius * std::cos(turn),
                                      kVertex.v + radius * std::sin(turn)};
            times.push_back(quill::bench::TimeNs(
                [&] { host.SendMouseEvent(host::MouseEvent::Drag, pointer, {}); }));
        }
    }
    if (!DimensionWasDrawn(host.document())) state.SkipWithError("no angle dimension was drawn");
    state.counters["p50_us"] = quill::bench::Quantile(times, 0.5) / 1000;
    state.counters["p99_us"] = quill::bench::Quantile(times, 0.99) / 1000;
    host.ShutdownPlugins();
}
BENCHMARK(BM_AngleDragEvent)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
