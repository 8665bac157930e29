// SVG files: opening the largest drawings of the shared corpus, and saving then opening
// again a generated drawing of 10,000 paths (100,000 segments).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench_drawing.h"
#include "host/svg/svg.h"

namespace {

constexpr int kPaths = 10000;
constexpr int kSegmentsPerPath = 10;
constexpr float kPageSide = 3000;

void OpenCorpusDrawing(benchmark::State& state, const char* name) {
    const std::string path = std::string(QUILL_SHARED_DIR) + "/corpus/" + name;
    std::string error, warnings;
    for (auto _ : state) {
        auto document = host::LoadSvgDocument(path, &error, &warnings);
        if (!document) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK_CAPTURE(OpenCorpusDrawing, tech_drawing, "build123d__tech_drawing.svg")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenCorpusDrawing, plate, "build123d__plate.svg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenCorpusDrawing, arduino, "fritzing__arduino_Uno_Rev3_pcb.svg")
    ->Unit(benchmark::kMillisecond);

const std::string& GeneratedFile() {
    static const std::string path = [] {
        host::Document document(kPageSide, kPageSide);
        quill::bench::DrawPaths(document, kPaths, kSegmentsPerPath, kPageSide, 1);
        std::string file = "/tmp/quill_svg_bench.svg", error;
        if (!host::SaveSvgDocument(document, file, &error))
            std::fprintf(stderr, "%s\n", error.c_str());
        return file;
    }();
    return path;
}

void SaveGeneratedDrawing(benchmark::State& state) {
    host::Document document(kPageSide, kPageSide);
    quill::bench::DrawPaths(document, kPaths, kSegmentsPerPath, kPageSide, 1);
    std::string error;
    for (auto _ : state)
        if (!host::SaveSvgDocument(document, "/tmp/quill_svg_bench_save.svg", &error))
            state.SkipWithError(error.c_str());
}
BENCHMARK(SaveGeneratedDrawing)->Unit(benchmark::kMillisecond);

void OpenGeneratedDrawing(benchmark::State& state) {
    const std::string& file = GeneratedFile();
    std::string error, warnings;
    for (auto _ : state) {
        auto document = host::LoadSvgDocument(file, &error, &warnings);
        if (!document) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(OpenGeneratedDrawing)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
