// The host's Bézier length and parameter at a length on the reference curve sets of
// shared/bench: largest error against the reference lengths, and median time per curve
// timed the same way as bench/js/bezier_js_bench.js times bezier-js.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "host/geometry/bezier.h"

namespace {

using host::geom::Cubic;

struct CurveSet {
    std::vector<Cubic> curves;
    std::vector<double> lengths, targets;
};

std::vector<double> ReadDoubles(const std::string& file) {
    std::vector<double> values;
    if (std::FILE* f = std::fopen(file.c_str(), "rb")) {
        double v;
        while (std::fread(&v, sizeof v, 1, f) == 1) values.push_back(v);
        std::fclose(f);
    }
    return values;
}

std::string SetsFolder() {
    const char* folder = std::getenv("QUILL_BENCH_SETS");
    return folder ? folder : QUILL_SHARED_DIR "/bench";
}

const CurveSet& Load(const std::string& name) {
    static std::vector<std::pair<std::string, CurveSet>> loaded;
    for (const auto& [n, set] : loaded)
        if (n == name) return set;
    CurveSet set;
    const std::string dir = SetsFolder() + "/" + name + "/";
    const auto c = ReadDoubles(dir + "cubics.bin");
    for (std::size_t i = 0; i + 8 <= c.size(); i += 8)
        set.curves.push_back(
            {{c[i], c[i + 1]}, {c[i + 2], c[i + 3]}, {c[i + 4], c[i + 5]}, {c[i + 6], c[i + 7]}});
    set.lengths = ReadDoubles(dir + "lengths.bin");
    set.targets = ReadDoubles(dir + "targets.bin");
    loaded.emplace_back(name, std::move(set));
    return loaded.back().second;
}

// Errors and median time per curve; one iteration is one pass over the set.
void BezierLength(benchmark::State& state, const std::string& name) {
    const CurveSet& set = Load(name);
    if (set.curves.empty() || set.lengths.size() != set.curves.size()) {
        state.SkipWithError(("no curve set at " + SetsFolder() + "/" + name).c_str());
        return;
    }
    const int repeats = 16;  // as the JavaScript side
    std::vector<double> times(set.curves.size());
    double maxError = 0, sumError = 0, maxTError = 0, sink = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < set.curves.size(); ++i)
            times[i] =
                quill::bench::TimeNs([&] { sink += host::geom::Length(set.curves[i]); }, repeats);
    }
    for (std::size_t i = 0; i < set.curves.size(); ++i) {
        const double length = host::geom::Length(set.curves[i]);
        const double error = std::fabs(length - set.lengths[i]);
        maxError = std::max(maxError, error);
        sumError += error;
        if (i < set.targets.size()) {
            const double t = host::geom::TAtLength(set.curves[i], set.targets[i], length);
            maxTError = std::max(
                maxTError, std::fabs(host::geom::LengthTo(set.curves[i], t) - set.targets[i]));
        }
    }
    benchmark::DoNotOptimize(sink);
    state.counters["curves"] = static_cast<double>(set.curves.size());
    state.counters["median_ns"] = quill::bench::Quantile(times, 0.5);
    state.counters["max_error_pt"] = maxError;
    state.counters["mean_error_pt"] = sumError / static_cast<double>(set.curves.size());
    state.counters["t_max_error_pt"] = maxTError;
}

// Throughput of the parameter at a length (length included), mean per curve.
void TAtLength(benchmark::State& state, const std::string& name) {
    const CurveSet& set = Load(name);
    if (set.curves.empty() || set.targets.size() != set.curves.size()) {
        state.SkipWithError("no curve set");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const Cubic& c = set.curves[i];
        benchmark::DoNotOptimize(host::geom::TAtLength(c, set.targets[i], host::geom::Length(c)));
        i = (i + 1) % set.curves.size();
    }
}

const int kRegistered = [] {
    for (const char* name : {"corpus", "arcs", "random"}) {
        benchmark::RegisterBenchmark(("BezierLength/" + std::string(name)).c_str(), BezierLength,
                                     name)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("TAtLength/" + std::string(name)).c_str(), TAtLength, name);
    }
    return 0;
}();

}  // namespace

BENCHMARK_MAIN();
