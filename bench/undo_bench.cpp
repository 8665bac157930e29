// Undo on a drawing of 100,000 paths: the memory 100 steps add to what the drawing and
// its spatial index hold (the target: under 10 %), and the cost of one drag event of the
// host's selection tool moving one path (the target: under 1 ms), the index updated
// rather than rebuilt. Heap sizes come from the allocator (mallinfo2), so the figure is
// the same from run to run.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>

#include "app/serve/session.h"
#include "bench_drawing.h"
#include "bench_timing.h"
#include "host/core/host.h"
#include "host/core/registrations.h"
#include "host/core/undo_history.h"
#include "host/document/art_pool.h"
#include "host/geometry/segment_index.h"

namespace {

constexpr int kPaths = 100000;
constexpr int kSegmentsPerPath = 4;
constexpr float kPageSide = 10000;
constexpr int kSteps = 100;

// What the allocator gave out (its large blocks included), less the art slabs' room that
// holds no art.
double HeapBytes() {
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<double>(heap.uordblks + heap.hblkhd - host::IdleArtRoomBytes());
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

// A 400-point page of `count` four-point paths, one zigzag per cell of a grid.
std::string GridDrawing(int count, float* cell) {
    const int side = static_cast<int>(std::ceil(std::sqrt(count)));
    *cell = 400.0f / static_cast<float>(side);
    std::string paths;
    for (int i = 0; i < count; ++i) {
        const float x = static_cast<float>(i % side) * *cell,
                    y = static_cast<float>(i / side) * *cell, k = *cell * 0.8f;
        paths += "<path d='M" + std::to_string(x) + " " + std::to_string(y) + " L" +
                 std::to_string(x + k) + " " + std::to_string(y + k * 0.3f) + " L" +
                 std::to_string(x + k * 0.2f) + " " + std::to_string(y + k * 0.7f) + "' " +
                 "stroke='black' fill='none'/>";
    }
    return "<svg xmlns='http://www.w3.org/2000/svg' width='400pt' height='400pt' "
           "viewBox='0 0 400 400'>" +
           paths + "</svg>";
}

// The server's answer to one drag event of the selection tool moving one path of a
// drawing of 100,000 paths: the event handled and what changed collected for the page.
void ServerDragOnePath(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / "quill-undo-bench";
    std::string error;
    quill::serve::Session session({QUILL_DEFAULT_PLUGIN, "", "", dir.string()}, &error);
    float cell = 0;
    session.Open("grid.svg", GridDrawing(kPaths, &cell));
    session.Handle({{"type", "tool"}, {"name", "select"}});
    std::vector<double> times;
    std::mt19937 random(7);
    const int side = static_cast<int>(400 / cell + 0.5f);
    for (auto _ : state) {
        const int i = static_cast<int>(random() % kPaths);
        double x = (i % side) * cell, y = 400 - (i / side) * cell;
        session.Handle({{"type", "down"}, {"x", x}, {"y", y}});
        for (int step = 0; step < 5; ++step) {
            x += 0.1;
            times.push_back(quill::bench::TimeNs([&] {
                session.Handle({{"type", "drag"}, {"x", x}, {"y", y}});
            }));
        }
        session.Handle({{"type", "up"}, {"x", x}, {"y", y}});
    }
    state.counters["p50_us"] = quill::bench::Quantile(times, 0.5) / 1000;
    state.counters["p99_us"] = quill::bench::Quantile(times, 0.99) / 1000;
}

}  // namespace

// The memory first, before a session has left anything in the heap.
BENCHMARK(StepsMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DragOnePath)->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(ServerDragOnePath)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
