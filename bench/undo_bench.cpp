// Undo on a drawing of 100,000 paths: the memory 100 steps add to what the drawing and
// its spatial index hold (the target: under 10 %), and the cost of one drag event of the
// host's selection tool moving one path (the target: under 1 ms), the index updated
// rather than rebuilt. Heap sizes come from the allocator (mallinfo2), so the figure is
// the same from run to run.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <random>

#include "bench_drawing.h"
#include "bench_timing.h"
#include "host/core/host.h"
#include "host/core/registrations.h"
#include "host/core/undo_history.h"
#include "host/geometry/segment_index.h"

namespace {

constexpr int kPaths = 100000;
constexpr int kSegmentsPerPath = 4;
constexpr float kPageSide = 10000;
constexpr int kSteps = 100;

double HeapBytes() {
    return static_cast<double>(mallinfo2().uordblks);
}

struct Drawing {
    host::Host host;
    std::vector<const host::Art*> paths;
    Drawing() {
        host::SetCurrentHost(&host);
        quill::bench::DrawPaths(host.document(), kPaths, kSegmentsPerPath, kPageSide, 1);
        host.segmentIndex();
        std::string error;
        host.SelectToolByTitle(host::kHostSelectToolTitle, &error);
        host.document().ForEachArt([&](host::Art& art) { paths.push_back(&art); });
    }
    // A press of the selection tool on the first anchor of one of the paths.
    AIRealPoint Press(std::size_t path) {
        const AIRealPoint at = paths[path % paths.size()]->segments[0].p;
        host.SendMouseEvent(host::MouseEvent::Down, at, {});
        return at;
    }
};

void StepsMemory(benchmark::State& state) {
    for (auto _ : state) {
        Drawing drawing;
        const double before = HeapBytes();
        std::mt19937 random(3);
        for (int step = 0; step < kSteps; ++step) {
            const AIRealPoint at = drawing.Press(random());
            const AIRealPoint to{at.h + 5, at.v + 5};
            drawing.host.SendMouseEvent(host::MouseEvent::Drag, to, {});
            drawing.host.SendMouseEvent(host::MouseEvent::Up, to, {});
        }
        // What the steps hold is what forgetting them gives back.
        const double withSteps = HeapBytes();
        state.counters["steps"] = static_cast<double>(drawing.host.history().undoCount());
        drawing.host.history().Clear();
        const double held = withSteps - HeapBytes();
        state.counters["drawing_mb"] = before / 1e6;
        state.counters["steps_kb"] = held / 1e3;
        state.counters["steps_percent"] = 100 * held / before;
    }
}

void DragOnePath(benchmark::State& state) {
    Drawing drawing;
    std::vector<double> times;
    std::mt19937 random(5);
    for (auto _ : state) {
        AIRealPoint at = drawing.Press(random());
        for (int i = 0; i < 10; ++i) {
            at.h += 1;
            times.push_back(quill::bench::TimeNs(
                [&] { drawing.host.SendMouseEvent(host::MouseEvent::Drag, at, {}); }));
        }
        drawing.host.SendMouseEvent(host::MouseEvent::Up, at, {});
    }
    state.counters["steps"] = static_cast<double>(drawing.host.history().undoCount());
    state.counters["p50_us"] = quill::bench::Quantile(times, 0.5) / 1000;
    state.counters["p99_us"] = quill::bench::Quantile(times, 0.99) / 1000;
    state.counters["max_us"] = quill::bench::Quantile(times, 1.0) / 1000;
}

}  // namespace

BENCHMARK(StepsMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DragOnePath)->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
