// The Circle tool's drag through the host with the plug-in loaded, as a user makes it:
// after a press on the arc of a circle, every drag event rebuilds the radius line, the
// arrowhead, the leader and the label (the annotation pass follows each event). The
// pointer goes round the circle, outside and inside it, so that the leader takes both of
// its shapes and the label both of its sides. Percentiles of the time per event.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "bench_host.h"
#include "bench_timing.h"
#include "host/core/host.h"

namespace {

constexpr int kEvents = 3000;
constexpr float kCentre = 300;
constexpr float kRadius = 80;
// The usual handle length of a four-arc circle, relative to its radius.
constexpr float kHandle = 0.5522847771644592f;

void Report(benchmark::State& state, std::vector<double>& nanoseconds) {
    state.counters["p50_us"] = quill::bench::Quantile(nanoseconds, 0.5) / 1000;
    state.counters["p99_us"] = quill::bench::Quantile(nanoseconds, 0.99) / 1000;
}

// The host's four-segment circle about (kCentre, kCentre).
void DrawCircle(host::Document& document) {
    const float c = kCentre, r = kRadius, k = kHandle * kRadius;
    host::Art* path = document.NewArt(host::ArtKind::Path, kPlaceDefault, nullptr);
    document.SetSegments(path, {{{c + r, c}, {c + r, c - k}, {c + r, c + k}, 0},
                                {{c, c + r}, {c + k, c + r}, {c - k, c + r}, 0},
                                {{c - r, c}, {c - r, c + k}, {c - r, c - k}, 0},
                                {{c, c - r}, {c - k, c - r}, {c + k, c - r}, 0}});
    document.SetClosed(path, true);
}

void BM_CircleDragEvent(benchmark::State& state) {
    host::Host host;
    host::SetCurrentHost(&host);
    if (!quill::bench::StartTool(host, "Outil Cercle", state)) return;
    DrawCircle(host.document());
    const float onArc = kCentre + kRadius * std::sqrt(0.5f);
    host.SendMouseEvent(host::MouseEvent::Down, {onArc, onArc}, {});
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (int i = 0; i < kEvents; ++i) {
            const float angle = 0.01f * static_cast<float>(i);
            const float distance = kRadius * (0.3f + 0.02f * static_cast<float>(i % 100));
            const AIRealPoint pointer{kCentre + distance * std::cos(angle),
                                      kCentre + distance * std::sin(angle)};
            times.push_back(quill::bench::TimeNs(
                [&] { host.SendMouseEvent(host::MouseEvent::Drag, pointer, {}); }));
        }
    }
    // What was timed must have been a drag of a circle dimension: its leader was shaped.
    bool dragged = false;
    host.document().ForEachArt([&](host::Art& art) {
        if (art.FindTag("red") && art.FindTag("modc") && !art.segments.empty())
            dragged = dragged || art.segments[0].p.h != 0 || art.segments[0].p.v != 0;
    });
    if (!dragged) state.SkipWithError("no circle dimension followed the pointer");
    Report(state, times);
    host.ShutdownPlugins();
}
BENCHMARK(BM_CircleDragEvent)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
