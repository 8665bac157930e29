// quill update on drawings of 250, 1,000 and 10,000 dimensions in millimetres (segments of the
// three types, angles and circles in equal shares of a grid) whose measured paths were all moved
// since: opening the drawing, starting the plug-in with the drawing's settings (and again for each
// segment type), rebuilding every dimension through its tool's press, drag and release, and writing
// the drawing. Reports the whole time and the time per dimension. The largest drawing also holds
// 90,000 paths no dimension measures, beside the grid. With QUILL_UPDATE_BENCH_KEEP=FOLDER the
// drawings, the updated drawings and the reports are left there, to compare.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/update/update_report.h"
#include "app/update/update_session.h"
#include "bench_timing.h"
#include "host/core/host.h"
#include "host/prefs/preference_store.h"
#include "host/scripting/script_runner.h"
#include "host/scripting/session_actions.h"
#include "host/svg/svg.h"

namespace {

constexpr int kLeastColumns = 32;
constexpr float kCell = 120;
// The paths beside the grid: short strokes in cells of this size, this many to a row.
constexpr float kFillerCell = 10;
constexpr int kFillerColumns = 300;
constexpr float kHandle = 0.5522847771644592f;  // a four-arc circle's handle, per radius
// How far every measured path moves before the update, in points.
constexpr float kMoveH = 3, kMoveV = 2;

AIPathSegment Corner(float h, float v) {
    return {{h, v}, {h, v}, {h, v}, 1};
}

host::Art* AddPath(host::Document& document, std::vector<AIPathSegment> segments, bool closed) {
    host::Art* path = document.NewArt(host::ArtKind::Path, kPlaceAboveAll, nullptr);
    document.SetSegments(path, std::move(segments));
    document.SetClosed(path, closed);
    return path;
}

void Gesture(host::Host& host, AIRealPoint down, AIRealPoint to) {
    host.SendMouseEvent(host::MouseEvent::Move, down, {});
    host.SendMouseEvent(host::MouseEvent::Down, down, {});
    host.SendMouseEvent(host::MouseEvent::Drag, to, {});
    host.SendMouseEvent(host::MouseEvent::Up, to, {});
}

// One dimension in the cell at (x, y): a segment, an angle at a vertex, or a circle's
// radius, by turns; each as the user makes it with its tool.
void DimensionCell(host::Host& host, int i, float x, float y) {
    std::string error;
    host::Document& doc = host.document();
    switch (i % 3) {
        case 0: {
            // Vertical dimensions measure a vertical path, the others a horizontal one.
            const bool vertical = (i / 3) % 3 == 2;
            const AIRealPoint end = vertical ? AIRealPoint{x, y + 80} : AIRealPoint{x + 80, y};
            AddPath(doc, {Corner(x, y), Corner(end.h, end.v)}, false);
            host.SelectToolByTitle("Outil Segment", &error);
            host.SendMouseEvent(host::MouseEvent::Down, {x, y}, {});
            host.SendMouseEvent(host::MouseEvent::Up, {x, y}, {});
            Gesture(host, end,
                    vertical ? AIRealPoint{x + 30, y + 40} : AIRealPoint{x + 40, y + 30});
            break;
        }
        case 1:
            AddPath(doc, {Corner(x + 90, y), Corner(x, y), Corner(x + 45, y + 78)}, false);
            host.SelectToolByTitle("Outil Angle", &error);
            Gesture(host, {x, y}, {x + 70, y + 40});
            break;
        default: {
            const float c = 40, cx = x + c, cy = y + c, k = kHandle * c;
            AddPath(doc,
                    {{{cx + c, cy}, {cx + c, cy - k}, {cx + c, cy + k}, 0},
                     {{cx, cy + c}, {cx + k, cy + c}, {cx - k, cy + c}, 0},
                     {{cx - c, cy}, {cx - c, cy + k}, {cx - c, cy - k}, 0},
                     {{cx, cy - c}, {cx - k, cy - c}, {cx + k, cy - c}, 0}},
                    true);
            host.SelectToolByTitle("Outil Cercle", &error);
            const float onArc = c * std::sqrt(0.5f);
            Gesture(host, {cx + onArc, cy + onArc}, {cx + 65, cy + 60});
        }
    }
}

// Segment dimensions take the three types by turns: the plug-in reads "TypeDeCote" at
// start-up, so it is started again for each.
bool UseSegmentType(host::Host& host, int type, std::string* error) {
    host.preferences().Put(host::kPluginPreferencePrefix, "TypeDeCote",
                           host::PreferenceValue::Integer(type));
    host.ShutdownPlugins();
    return host.StartPlugin(QUILL_DEFAULT_PLUGIN, error);
}

int ColumnsFor(int dimensions) {
    return std::max(kLeastColumns, static_cast<int>(std::ceil(std::sqrt(dimensions))));
}

// Short strokes to the right of the grid, on a layer of their own.
void AddFiller(host::Document& doc, float left, int count) {
    doc.SetCurrentLayer(doc.AddLayerOnTop("Filler"));
    doc.ReserveArt(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const float x = left + kFillerCell * static_cast<float>(i % kFillerColumns);
        const float y = kFillerCell * static_cast<float>(i / kFillerColumns);
        AddPath(doc, {Corner(x + 1, y + 1), Corner(x + 6, y + 4)}, false);
    }
}

// Draws and dimensions the grid in millimetres, moves every measured path, saves the
// drawing with its settings.
bool MakeDrawing(const std::string& file, int dimensions, int filler, std::string* error) {
    host::Host host;
    host::SetCurrentHost(&host);
    const int columns = ColumnsFor(dimensions);
    const float grid = static_cast<float>(columns) * kCell;
    const float fillerWidth = filler > 0 ? kFillerCell * kFillerColumns : 0;
    const float fillerHeight = kFillerCell * static_cast<float>(filler / kFillerColumns + 1);
    host.ReplaceDocument(
        std::make_unique<host::Document>(grid + fillerWidth, std::max(grid, fillerHeight)));
    host::Layer* paths = host.document().currentLayer();
    host.preferences().Put(host::kPluginPreferencePrefix, "UnitePrefs",
                           host::PreferenceValue::Integer(1));
    host.preferences().Put(host::kPluginPreferencePrefix, "Precision",
                           host::PreferenceValue::Integer(1));
    // One pass per segment type; the angles and circles in the first.
    for (int type = 0; type < 3; ++type) {
        if (!UseSegmentType(host, type, error)) return false;
        for (int i = 0; i < dimensions; ++i) {
            if (i % 3 == 0 ? (i / 3) % 3 != type : type != 0) continue;
            host.document().SetCurrentLayer(paths);
            DimensionCell(host, i, kCell * static_cast<float>(i % columns) + 10,
                          kCell * static_cast<float>(i / columns) + 10);
        }
    }
    if (filler > 0) AddFiller(host.document(), grid, filler);
    for (const auto& art : paths->group()->children()) {
        std::vector<AIPathSegment> moved = art->segments;
        for (AIPathSegment& s : moved)
            for (AIRealPoint* p : {&s.p, &s.in, &s.out}) *p = {p->h + kMoveH, p->v + kMoveV};
        host.document().SetSegments(art.get(), moved);
    }
    const bool saved = host::SaveDrawing(host, file, error);
    host.ShutdownPlugins();
    host::SetCurrentHost(nullptr);
    return saved;
}

void KeepReport(const std::string& file, const std::string& drawing,
                const quill::update::UpdateRun& run) {
    std::ofstream report(file);
    report << (run.error.empty() ? quill::update::ReportJson(drawing, run.dimensions) : run.error)
           << '\n';
}

// Arguments: the dimensions, the paths beside them.
void BM_UpdateDrawing(benchmark::State& state) {
    const int dimensions = static_cast<int>(state.range(0));
    const int filler = static_cast<int>(state.range(1));
    const char* keep = std::getenv("QUILL_UPDATE_BENCH_KEEP");
    const std::string folder = keep ? keep : "/tmp";
    const std::string name = folder + "/quill_update_bench_" + std::to_string(dimensions);
    const std::string in = name + ".svg", out = name + ".out.svg";
    std::string error;
    if (!MakeDrawing(in, dimensions, filler, &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    quill::update::UpdateRun run;
    double ns = 0;
    for (auto _ : state)
        ns = quill::bench::TimeNs([&] { run = quill::update::UpdateDrawing(in, out, {}); });
    if (!run.error.empty()) state.SkipWithError(run.error.c_str());
    const auto& d = run.dimensions;
    state.counters["dimensions"] = static_cast<double>(d.size());
    state.counters["rebuilt"] = quill::update::CountOf(d, quill::update::UpdateStatus::Rebuilt);
    int keptKind = 0;
    for (const auto& outcome : d)
        keptKind += outcome.status == quill::update::UpdateStatus::Rebuilt &&
                    outcome.newLabel.find(" mm") != std::string::npos;
    state.counters["in_mm"] = keptKind;
    state.counters["total_ms"] = ns / 1e6;
    state.counters["per_dimension_us"] = d.empty() ? 0 : ns / 1e3 / static_cast<double>(d.size());
    if (keep) {
        KeepReport(name + ".report.json", in, run);
        return;
    }
    std::remove(in.c_str());
    std::remove(out.c_str());
}
BENCHMARK(BM_UpdateDrawing)
    ->ArgNames({"dimensions", "paths_beside"})
    ->Args({250, 0})
    ->Args({1000, 0})
    ->Args({10000, 90000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
