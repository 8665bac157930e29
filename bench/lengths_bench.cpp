// The Lengths & Areas tool through the host with the plug-in loaded: a rubber band dragged
// over a drawing of 10,000 paths, every drag event timed with the annotation pass the host
// runs after it (where the band collects the paths it encloses); percentiles per event.
// And the area of a path of 100,000 anchors by the host's geometry (the host's documents
// hold at most 32,767 anchors a path, what the path suite's 16-bit counts can say).
#include <benchmark/benchmark.h>

#include <time.h>

#include <cmath>
#include <string>
#include <vector>

#include "bench_drawing.h"
#include "bench_host.h"
#include "bench_timing.h"
#include "host/core/host.h"
#include "host/geometry/bezier.h"

namespace {

constexpr int kPaths = 10000;
constexpr int kSegmentsPerPath = 10;
constexpr float kPageSide = 3000;
constexpr int kEvents = 2000;
constexpr int kLongPathAnchors = 100000;

void Report(benchmark::State& state, std::vector<double>& nanoseconds, const char* p50,
            const char* p99) {
    state.counters[p50] = quill::bench::Quantile(nanoseconds, 0.5) / 1000;
    state.counters[p99] = quill::bench::Quantile(nanoseconds, 0.99) / 1000;
}

// Nanoseconds of processor time this thread has used: on a loaded machine the wall time
// of an event also counts the time other processes held the processor.
double ThreadNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

void BM_RubberBandDragEvent(benchmark::State& state) {
    host::Host host;
    host::SetCurrentHost(&host);
    if (!quill::bench::StartTool(host, "Outil Longueur & Aires", state)) return;
    quill::bench::DrawPaths(host.document(), kPaths, kSegmentsPerPath, kPageSide, 1);
    // Pressed off the drawing, below its left: the band grows to the whole page and back.
    // The press's own annotation pass reads every path's bounds once for the band.
    state.counters["press_us"] = quill::bench::TimeNs([&] {
                                     host.SendMouseEvent(host::MouseEvent::Down, {-50, -50}, {});
                                 }) /
                                 1000;
    std::vector<double> times, cpuTimes;
    for (auto _ : state) {
        times.clear();
        cpuTimes.clear();
        for (int i = 0; i < kEvents; ++i) {
            const float reach =
                kPageSide * static_cast<float>(i < kEvents / 2 ? i : kEvents - i) / (kEvents / 2);
            const AIRealPoint pointer{reach, reach * 0.8f};
            const double cpuStart = ThreadNs();
            times.push_back(quill::bench::TimeNs(
                [&] { host.SendMouseEvent(host::MouseEvent::Drag, pointer, {}); }));
            cpuTimes.push_back(ThreadNs() - cpuStart);
        }
    }
    // What was timed must have been a rubber band: at its widest it selected paths.
    host.SendMouseEvent(host::MouseEvent::Drag, {kPageSide, kPageSide}, {});
    int selected = 0;
    host.document().ForEachArt([&](host::Art& art) {
        if (art.kind() == host::ArtKind::Path && (art.attributes & kArtSelected)) ++selected;
    });
    if (selected == 0) state.SkipWithError("the rubber band selected nothing");
    state.counters["selected_at_widest"] = selected;
    Report(state, times, "p50_us", "p99_us");
    Report(state, cpuTimes, "cpu_p50_us", "cpu_p99_us");
    host.SendMouseEvent(host::MouseEvent::Up, {kPageSide, kPageSide}, {});
    host.ShutdownPlugins();
}
BENCHMARK(BM_RubberBandDragEvent)->Unit(benchmark::kMillisecond)->Iterations(1);

// Presses on empty canvas, each released where it was pressed: every press walks the
// drawing's paths for the band it starts (their bounds, and the "spa" each loses).
void BM_PressOnEmptyCanvas(benchmark::State& state) {
    host::Host host;
    host::SetCurrentHost(&host);
    if (!quill::bench::StartTool(host, "Outil Longueur & Aires", state)) return;
    quill::bench::DrawPaths(host.document(), kPaths, kSegmentsPerPath, kPageSide, 1);
    constexpr int kPresses = 200;
    std::vector<double> times, cpuTimes;
    for (auto _ : state) {
        times.clear();
        cpuTimes.clear();
        for (int i = 0; i < kPresses; ++i) {
            const AIRealPoint at{-50.0f - static_cast<float>(i % 2), -50};
            const double cpuStart = ThreadNs();
            times.push_back(
                quill::bench::TimeNs([&] { host.SendMouseEvent(host::MouseEvent::Down, at, {}); }));
            cpuTimes.push_back(ThreadNs() - cpuStart);
            host.SendMouseEvent(host::MouseEvent::Up, at, {});
        }
    }
    Report(state, times, "p50_us", "p99_us");
    Report(state, cpuTimes, "cpu_p50_us", "cpu_p99_us");
    host.ShutdownPlugins();
}
BENCHMARK(BM_PressOnEmptyCanvas)->Unit(benchmark::kMillisecond)->Iterations(1);

// The pointer wandering over the drawing after a band took in every path: each move
// (cursor tracking, where the tool gives the measures of what it collected, and the
// annotation pass after it) is timed, half near an anchor, half anywhere.
void BM_PointerMoveAfterBand(benchmark::State& state) {
    host::Host host;
    host::SetCurrentHost(&host);
    if (!quill::bench::StartTool(host, "Outil Longueur & Aires", state)) return;
    quill::bench::DrawPaths(host.document(), kPaths, kSegmentsPerPath, kPageSide, 1);
    // Well beyond the page: some paths reach past its edges.
    constexpr float kBeyond = 1000;
    host.SendMouseEvent(host::MouseEvent::Down, {-kBeyond, -kBeyond}, {});
    host.SendMouseEvent(host::MouseEvent::Drag, {kPageSide + kBeyond, kPageSide + kBeyond}, {});
    host.SendMouseEvent(host::MouseEvent::Up, {kPageSide + kBeyond, kPageSide + kBeyond}, {});
    const std::vector<AIRealPoint> pointers =
        quill::bench::Pointers(host.document(), kEvents, kPageSide, 2);
    std::vector<double> times;
    for (auto _ : state)
        times = quill::bench::TimeMouseEvents(host, host::MouseEvent::Move, pointers);
    int selected = 0;
    host.document().ForEachArt([&](host::Art& art) {
        if (art.kind() == host::ArtKind::Path && (art.attributes & kArtSelected)) ++selected;
    });
    if (selected != kPaths) state.SkipWithError("the band did not take in every path");
    state.counters["collected"] = selected;
    Report(state, times, "p50_us", "p99_us");
    host.ShutdownPlugins();
}
BENCHMARK(BM_PointerMoveAfterBand)->Unit(benchmark::kMillisecond)->Iterations(1);

// A closed path of curved segments winding round a circle, beyond what a document holds.
std::vector<AIPathSegment> LongPath() {
    std::vector<AIPathSegment> segments;
    for (int i = 0; i < kLongPathAnchors; ++i) {
        const double angle = 2 * M_PI * i / kLongPathAnchors;
        const float radius = 1000 + 5 * static_cast<float>(i % 7);
        const AIRealPoint p{radius * static_cast<float>(std::cos(angle)),
                            radius * static_cast<float>(std::sin(angle))};
        segments.push_back({p, {p.h - 0.01f, p.v + 0.02f}, {p.h + 0.01f, p.v - 0.02f}, 0});
    }
    return segments;
}

void BM_AreaOfAPathOf100000Anchors(benchmark::State& state) {
    const std::vector<AIPathSegment> path = LongPath();
    for (auto _ : state) benchmark::DoNotOptimize(host::geom::SignedArea(path));
    state.counters["ns_per_anchor"] = benchmark::Counter(
        static_cast<double>(kLongPathAnchors),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_AreaOfAPathOf100000Anchors)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
