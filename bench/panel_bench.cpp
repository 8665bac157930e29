// The Parameters panel through the host with the plug-in loaded, as a user moves over it:
// every pointer move is a cursor-tracking event and an annotation pass that draws the open
// panel anew (laid out, then drawn). On the chooser, with its sixteen summaries, and on the
// font page, which asks the host for the names of its sixteen fonts at every pass.
// Percentiles of the time per move.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_host.h"
#include "bench_timing.h"
#include "host/core/event_state.h"
#include "host/core/host.h"
#include "host/fonts/font_catalog.h"

namespace {

constexpr int kEvents = 2000;
constexpr AIRealPoint kOrigin{100, 700};
constexpr int kFontCount = 200;

void Click(host::Host& host, AIRealPoint at) {
    host.SendMouseEvent(host::MouseEvent::Down, at, {});
    host.SendMouseEvent(host::MouseEvent::Up, at, {});
}

// Moves over the panel's rows and columns, timing each move.
void TimeMoves(benchmark::State& state, host::Host& host) {
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (int i = 0; i < kEvents; ++i) {
            const AIRealPoint pointer{kOrigin.h + static_cast<float>(i % 250),
                                      kOrigin.v - static_cast<float>(i % 300)};
            times.push_back(quill::bench::TimeNs(
                [&] { host.SendMouseEvent(host::MouseEvent::Move, pointer, {}); }));
        }
    }
    // What was timed must have drawn a panel.
    if (host.log().annotation.size() < 20) state.SkipWithError("no panel was drawn");
    state.counters["p50_us"] = quill::bench::Quantile(times, 0.5) / 1000;
    state.counters["p99_us"] = quill::bench::Quantile(times, 0.99) / 1000;
}

bool StartWithParametersTool(benchmark::State& state, host::Host& host) {
    std::vector<std::string> fonts;
    for (int i = 0; i < kFontCount; ++i) fonts.push_back("Police " + std::to_string(i));
    host.fonts().SetNames(fonts);
    if (!quill::bench::StartTool(host, "Outil Paramètres", state)) return false;
    Click(host, kOrigin);
    return true;
}

void BM_PanelMoveOverChooser(benchmark::State& state) {
    host::Host host;
    host::SetCurrentHost(&host);
    if (!StartWithParametersTool(state, host)) return;
    TimeMoves(state, host);
    host.ShutdownPlugins();
}
BENCHMARK(BM_PanelMoveOverChooser)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PanelMoveOverFontPage(benchmark::State& state) {
    host::Host host;
    host::SetCurrentHost(&host);
    if (!StartWithParametersTool(state, host)) return;
    Click(host, {kOrigin.h + 100, kOrigin.v - 7 * 18 + 9});  // row 7, "Police."
    TimeMoves(state, host);
    host.ShutdownPlugins();
}
BENCHMARK(BM_PanelMoveOverFontPage)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
