// The Bézier tool's division of a long path through the host with the plug-in loaded, as
// a user makes it: a press on a wavy open path of 2,000 curved segments divided into
// "NbDiv" parts (the division points are found then), and the drag events that follow,
// each sizing every mark again (the annotation pass after it). The pointer moves away
// from and back towards the clicked point; every fourth event holds Alt (one-sided marks)
// and every seventh Ctrl (no end marks), so that marks come and go. Percentiles of the
// time per event.
#include <benchmark/benchmark.h>

#include <set>
#include <string>
#include <vector>

#include "bench_host.h"
#include "bench_timing.h"
#include "host/core/host.h"
#include "host/prefs/preference_store.h"

namespace {

constexpr int kSegments = 2000;
constexpr int kEvents = 2000;
constexpr int kClicks = 20;
constexpr float kStep = 10;  // points between anchors
constexpr float kWave = 20;  // height of the handles above or below the line
constexpr float kLine = 300;

// Each segment bulges up or down in turn: curves, never arcs.
void DrawWave(host::Document& document) {
    std::vector<AIPathSegment> anchors;
    for (int i = 0; i <= kSegments; ++i) {
        const float x = kStep * static_cast<float>(i);
        const float out = kLine + (i % 2 == 0 ? kWave : -kWave);
        const float in = kLine + (i % 2 == 0 ? -kWave : kWave);
        anchors.push_back({{x, kLine}, {x - 3, in}, {x + 3, out}, 0});
    }
    host::Art* path = document.NewArt(host::ArtKind::Path, kPlaceDefault, nullptr);
    document.SetSegments(path, anchors);
}

// A host with the plug-in started on "NbDiv" parts and the Bézier tool selected.
bool StartBezierTool(host::Host& host, int parts, benchmark::State& state) {
    host::SetCurrentHost(&host);
    host.preferences().Put("ORLQUILL", "Precision", host::PreferenceValue::Integer(1));
    host.preferences().Put("ORLQUILL", "NbDiv", host::PreferenceValue::Integer(parts));
    if (!quill::bench::StartTool(host, "Outil Bézier", state)) return false;
    DrawWave(host.document());
    return true;
}

// The clicked point: the middle of the first segment, at the top of its bulge.
constexpr AIRealPoint kClick{kStep / 2, kLine + 0.75f * kWave};

// Marks were drawn: paths besides the wave.
bool MarksWereDrawn(const host::Document& document) {
    int paths = 0;
    document.ForEachArt([&](host::Art& art) { paths += art.kind() == host::ArtKind::Path; });
    return paths > 1;
}

void Report(benchmark::State& state, std::vector<double>& nanoseconds) {
    if (!MarksWereDrawn(host::CurrentHost().document())) state.SkipWithError("no marks");
    state.counters["p50_us"] = quill::bench::Quantile(nanoseconds, 0.5) / 1000;
    state.counters["p99_us"] = quill::bench::Quantile(nanoseconds, 0.99) / 1000;
}

void BM_BezierDivisionClick(benchmark::State& state) {
    host::Host host;
    if (!StartBezierTool(host, static_cast<int>(state.range(0)), state)) return;
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (int i = 0; i < kClicks; ++i) {
            times.push_back(quill::bench::TimeNs(
                [&] { host.SendMouseEvent(host::MouseEvent::Down, kClick, {}); }));
            host.SendMouseEvent(host::MouseEvent::Up, kClick, {});
        }
    }
    Report(state, times);
    host.ShutdownPlugins();
}
BENCHMARK(BM_BezierDivisionClick)->Arg(3)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_BezierDivisionDragEvent(benchmark::State& state) {
    host::Host host;
    if (!StartBezierTool(host, static_cast<int>(state.range(0)), state)) return;
    host.SendMouseEvent(host::MouseEvent::Down, kClick, {});
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (int i = 0; i < kEvents; ++i) {
            const AIRealPoint pointer{kClick.h + static_cast<float>(i % 40),
                                      kClick.v - static_cast<float>(i % 25)};
            std::set<std::int32_t> keys;
            if (i % 4 == 0) keys.insert(kVirtualKeyAlt);
            if (i % 7 == 0) keys.insert(kVirtualKeyControl);
            times.push_back(quill::bench::TimeNs(
                [&] { host.SendMouseEvent(host::MouseEvent::Drag, pointer, keys); }));
        }
    }
    Report(state, times);
    host.ShutdownPlugins();
}
BENCHMARK(BM_BezierDivisionDragEvent)
    ->Arg(3)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
