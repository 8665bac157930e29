// SVG files: opening the largest drawings of the shared corpus, saving then opening again
// a generated drawing of 10,000 paths (100,000 segments), and opening a logo of 3,687
// paths painted by the classes of a style sheet.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "bench_drawing.h"
#include "host/svg/svg.h"

namespace {

constexpr int kPaths = 10000;
constexpr int kSegmentsPerPath = 10;
constexpr float kPageSide = 3000;
constexpr int kLogoPaths = 3687;
constexpr int kLogoClasses = 40;

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

// A logo as editors export it: a <style> in <defs> with one rule per class, and small
// closed paths each naming one class.
const std::string& ClassStyledLogo() {
    static const std::string path = [] {
        std::string file = "/tmp/quill_svg_bench_logo.svg";
        std::ofstream out(file);
        out << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 1000 1000\"><defs><style>";
        for (int c = 1; c <= kLogoClasses; ++c)
            out << ".cls-" << c << "{fill:#" << std::hex << (c * 0x050403) << std::dec << ";}";
        out << ".cls-3,.cls-7{stroke:#000;stroke-width:.5px}</style></defs>";
        for (int i = 0; i < kLogoPaths; ++i) {
            const int x = i % 60 * 16, y = i / 60 * 16;
            out << "<path class=\"cls-" << i % kLogoClasses + 1 << "\" d=\"M" << x << " " << y
                << "h12v4h-4v8h-8z\"/>";
        }
        out << "</svg>";
        return file;
    }();
    return path;
}

void OpenClassStyledLogo(benchmark::State& state) {
    const std::string& file = ClassStyledLogo();
    std::string error, warnings;
    for (auto _ : state) {
        auto document = host::LoadSvgDocument(file, &error, &warnings);
        if (!document) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(OpenClassStyledLogo)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
