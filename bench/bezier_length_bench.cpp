// The host's Bézier length and parameter at a length on the reference curve sets of
// shared/bench: largest error against the reference lengths, and median time per curve
// timed the same way as bench/js/bezier_js_bench.js times bezier-js; then each set walked
// curve after curve as a drawing's curves are (mean time per curve), beside a bare
// 16-point Gauss–Legendre rule over the same curves, the floor of any such length.
//
// The sets are looked for in --sets=FOLDER, else $QUILL_BENCH_SETS, else shared/bench;
// a set that is not there is left out with a note.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

std::string& SetsFolder() {
    static std::string folder = [] {
        const char* set = std::getenv("QUILL_BENCH_SETS");
        return std::string(set ? set : QUILL_SHARED_DIR "/bench");
    }();
    return folder;
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
            const double t = host::geom::TAtLength(set.curves[i], set.targets[i]);
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
        benchmark::DoNotOptimize(host::geom::TAtLength(c, set.targets[i]));
        i = (i + 1) % set.curves.size();
    }
}

// The 16-point Gauss–Legendre rule on [0, 1]: the speed at 16 nodes, nothing else.
double Floor16(const Cubic& c) {
    static constexpr double x[8] = {0.0950125098376374, 0.2816035507792589, 0.4580167776572274,
                                    0.6178762444026438, 0.7554044083550030, 0.8656312023878318,
                                    0.9445750230732326, 0.9894009349916499};
    static constexpr double w[8] = {0.1894506104550685, 0.1826034150449236, 0.1691565193950025,
                                    0.1495959888165767, 0.1246289712555339, 0.0951585116824928,
                                    0.0622535239386479, 0.0271524594117541};
    const double ax = 3 * (c.p1.x - c.p0.x), bx = 3 * (c.p2.x - c.p1.x), cx = 3 * (c.p3.x - c.p2.x);
    const double ay = 3 * (c.p1.y - c.p0.y), by = 3 * (c.p2.y - c.p1.y), cy = 3 * (c.p3.y - c.p2.y);
    auto speed = [&](double t) {
        const double u = 1 - t;
        const double dx = u * u * ax + 2 * u * t * bx + t * t * cx;
        const double dy = u * u * ay + 2 * u * t * by + t * t * cy;
        return std::sqrt(dx * dx + dy * dy);
    };
    double sum = 0;
    for (int i = 0; i < 8; ++i) sum += w[i] * (speed(0.5 - 0.5 * x[i]) + speed(0.5 + 0.5 * x[i]));
    return 0.5 * sum;
}

// Nanoseconds per curve of f over the whole set, walked in turn; the best of at least five
// walks, and of as many as fit in a tenth of a second, so that a small set's figure does
// not hang on one interrupted walk.
template <class F>
double WalkNs(const CurveSet& set, F&& f) {
    double best = HUGE_VAL, spent = 0;
    for (int walk = 0; walk < 5 || (spent < 1e8 && walk < 1000); ++walk) {
        const double ns = quill::bench::TimeNs([&] {
            for (std::size_t i = 0; i < set.curves.size(); ++i) f(i);
        });
        spent += ns;
        best = std::min(best, ns / static_cast<double>(set.curves.size()));
    }
    return best;
}

// The set walked as a drawing's curves are: length, parameter at a length, and the floor.
void Walk(benchmark::State& state, const std::string& name) {
    const CurveSet& set = Load(name);
    double sink = 0, length = 0, tAtLength = 0, floor = 0;
    for (auto _ : state) {
        length = WalkNs(set, [&](std::size_t i) { sink += host::geom::Length(set.curves[i]); });
        tAtLength = WalkNs(set, [&](std::size_t i) {
            sink += host::geom::TAtLength(set.curves[i], set.targets[i]);
        });
        floor = WalkNs(set, [&](std::size_t i) { sink += Floor16(set.curves[i]); });
    }
    double floorError = 0;
    for (std::size_t i = 0; i < set.curves.size(); ++i)
        floorError = std::max(floorError, std::fabs(Floor16(set.curves[i]) - set.lengths[i]));
    benchmark::DoNotOptimize(sink);
    state.counters["length_ns"] = length;
    state.counters["t_at_length_ns"] = tAtLength;
    state.counters["floor16_ns"] = floor;
    state.counters["length_per_floor"] = length / floor;
    state.counters["t_per_length"] = tAtLength / length;
    state.counters["floor16_max_error_pt"] = floorError;
}

bool Present(const std::string& name) {
    const CurveSet& set = Load(name);
    return !set.curves.empty() && set.lengths.size() == set.curves.size() &&
           set.targets.size() == set.curves.size();
}

}  // namespace

int main(int argc, char** argv) {
    // --sets=FOLDER is this program's own: taken out before the library reads the rest.
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--sets=", 0) == 0)
            SetsFolder() = argument.substr(7);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    for (const char* name : {"corpus", "arcs", "random"}) {
        if (!Present(name)) {
            std::fprintf(stderr, "no curve set at %s/%s: its benchmarks are left out\n",
                         SetsFolder().c_str(), name);
            continue;
        }
        benchmark::RegisterBenchmark(("BezierLength/" + std::string(name)).c_str(), BezierLength,
                                     name)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("TAtLength/" + std::string(name)).c_str(), TAtLength, name);
        benchmark::RegisterBenchmark(("Walk/" + std::string(name)).c_str(), Walk, name)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
