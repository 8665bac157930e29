// What a user sees on large drawings: opening, saving and the peak memory of each, and
// the Segment tool's tracking and drag events, on generated drawings of 1,000, 10,000
// and 100,000 paths of 10 segments at the same density (the page grows with the count).
//
// The peak memory is the largest resident size of a fresh process (this program run
// again with --peak-memory) that opens the file and builds its spatial index (as the
// first pointer event does), and of one that also saves it. Beside it, what the document
// and the index hold alone once the file is read (the allocator's bytes in use).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "bench_drawing.h"
#include "bench_host.h"
#include "bench_timing.h"
#include "host/core/host.h"
#include "host/document/art_pool.h"
#include "host/geometry/cursor_snap.h"
#include "host/svg/svg.h"
#include "host/svg/svg_file_text.h"
#include "host/svg/svg_numbers.h"
#include "host/svg/svg_xml_options.h"

namespace {

constexpr int kSegmentsPerPath = 10;
// 10,000 paths on a page of 3,000 points a side: the density of every size.
constexpr float kSideOfTenThousand = 3000;
constexpr int kEvents = 3000;

float PageSide(int paths) {
    return kSideOfTenThousand * static_cast<float>(std::sqrt(paths / 10000.0));
}

std::string FileOf(int paths) {
    return "/tmp/quill_scale_" + std::to_string(paths) + ".svg";
}

void Draw(host::Document& document, int paths) {
    quill::bench::DrawPaths(document, paths, kSegmentsPerPath, PageSide(paths), 1);
}

// The generated drawing's file, written once per run.
const std::string& GeneratedFile(int paths) {
    static std::map<int, std::string> files;
    auto found = files.find(paths);
    if (found != files.end()) return found->second;
    host::Document document(PageSide(paths), PageSide(paths));
    Draw(document, paths);
    std::string error;
    if (!host::SaveSvgDocument(document, FileOf(paths), &error))
        std::fprintf(stderr, "%s\n", error.c_str());
    return files[paths] = FileOf(paths);
}

double FileMegabytes(const std::string& file) {
    double bytes = 0;
    if (std::FILE* f = std::fopen(file.c_str(), "rb")) {
        std::fseek(f, 0, SEEK_END);
        bytes = static_cast<double>(std::ftell(f));
        std::fclose(f);
    }
    return bytes / 1e6;
}

void BM_Open(benchmark::State& state) {
    const int paths = static_cast<int>(state.range(0));
    const std::string& file = GeneratedFile(paths);
    std::string error, warnings;
    for (auto _ : state) {
        auto document = host::LoadSvgDocument(file, &error, &warnings);
        if (!document) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(document);
        // Closing the drawing is not opening it.
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    state.counters["file_mb"] = FileMegabytes(file);
}
BENCHMARK(BM_Open)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The element after `node` in document order (children first), or an empty node.
pugi::xml_node NextInDocument(pugi::xml_node node) {
    if (pugi::xml_node child = node.first_child()) return child;
    while (node && !node.next_sibling()) node = node.parent();
    return node ? node.next_sibling() : node;
}

// Every number of a path's data read by the reader's scanner; the commands stepped over.
double SumOfNumbers(const char* data) {
    host::svg::NumberScanner scanner(data);
    double sum = 0, value = 0;
    scanner.SkipSpaces();
    while (!scanner.AtEnd()) {
        if (scanner.ReadNumber(&value)) {
            sum += value;
        } else {
            scanner.Advance();
            scanner.SkipSeparators();
        }
    }
    return sum;
}

// What no reader can go below: the file read into memory as the reader reads it,
// pugixml's parse in that buffer with the reader's flags, and every number of every
// path's `d` read by the reader's own scanner, nothing kept.
void BM_ParseFloor(benchmark::State& state) {
    const std::string& file = GeneratedFile(static_cast<int>(state.range(0)));
    std::string error;
    for (auto _ : state) {
        host::svg::FileText text;
        if (!text.Read(file, &error)) state.SkipWithError(error.c_str());
        pugi::xml_document xml;
        if (!xml.load_buffer_inplace(text.data(), text.size(), host::svg::kXmlParseOptions))
            state.SkipWithError("malformed XML");
        double sum = 0;
        for (pugi::xml_node node = xml.document_element(); node; node = NextInDocument(node))
            if (std::strcmp(node.name(), "path") == 0)
                sum += SumOfNumbers(node.attribute("d").value());
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ParseFloor)->Arg(100000)->Unit(benchmark::kMillisecond);

// Opening and the spatial index the host builds for the first pointer event: what a
// user waits for between asking to open and the first hover that finds something.
void BM_OpenWithIndex(benchmark::State& state) {
    const int paths = static_cast<int>(state.range(0));
    const std::string& file = GeneratedFile(paths);
    std::string error, warnings;
    host::Host host;
    host::SetCurrentHost(&host);
    for (auto _ : state) {
        auto document = host::LoadSvgDocument(file, &error, &warnings);
        if (!document) state.SkipWithError(error.c_str());
        host.ReplaceDocument(std::move(document));
        host.segmentIndex();
        // The drawing is let go outside the time, as a fresh program would not.
        state.PauseTiming();
        host.ReplaceDocument(std::make_unique<host::Document>());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenWithIndex)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
    const int paths = static_cast<int>(state.range(0));
    host::Document document(PageSide(paths), PageSide(paths));
    Draw(document, paths);
    std::string error;
    const std::string file = "/tmp/quill_scale_saved.svg";
    for (auto _ : state)
        if (!host::SaveSvgDocument(document, file, &error)) state.SkipWithError(error.c_str());
    state.counters["file_mb"] = FileMegabytes(file);
}
BENCHMARK(BM_Save)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// What a fresh process measured, in megabytes: its peak resident size, and the heap the
// document and the index hold alone.
struct ChildMeasures {
    double peak = -1, document = -1, index = -1;
};

// The measures of this program run again to open the file (and save it when `save`).
ChildMeasures MeasuresOfChild(const std::string& file, bool save) {
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return {};
    self[length] = '\0';
    const std::string command = std::string("'") + self + "' --peak-memory " +
                                (save ? "save " : "open ") + "'" + file + "'";
    ChildMeasures measures;
    if (std::FILE* child = popen(command.c_str(), "r")) {
        if (std::fscanf(child, "%lf %lf %lf", &measures.peak, &measures.document,
                        &measures.index) != 3)
            measures.peak = -1;
        pclose(child);
    }
    return measures;
}

void BM_PeakMemory(benchmark::State& state) {
    const int paths = static_cast<int>(state.range(0));
    const std::string& file = GeneratedFile(paths);
    ChildMeasures opened, saved;
    for (auto _ : state) {
        opened = MeasuresOfChild(file, false);
        saved = MeasuresOfChild(file, true);
    }
    if (opened.peak < 0 || saved.peak < 0) state.SkipWithError("the measuring process failed");
    const double size = FileMegabytes(file), open = opened.peak, save = saved.peak;
    state.counters["file_mb"] = size;
    state.counters["document_mb"] = opened.document;
    state.counters["index_mb"] = opened.index;
    state.counters["held_per_file"] = (opened.document + opened.index) / size;
    state.counters["open_peak_mb"] = open;
    state.counters["save_peak_mb"] = save;
    state.counters["open_peak_per_file"] = open / size;
    state.counters["save_peak_per_file"] = save / size;
}
BENCHMARK(BM_PeakMemory)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void Report(benchmark::State& state, std::vector<double>& nanoseconds) {
    state.counters["p50_us"] = quill::bench::Quantile(nanoseconds, 0.5) / 1000;
    state.counters["p99_us"] = quill::bench::Quantile(nanoseconds, 0.99) / 1000;
    state.counters["max_us"] = quill::bench::Quantile(nanoseconds, 1.0) / 1000;
}

// The Segment tool's cursor tracking: half the pointers near an anchor, half anywhere.
void BM_TrackingEvent(benchmark::State& state) {
    const int paths = static_cast<int>(state.range(0));
    host::Host host;
    if (!quill::bench::StartTool(host, "Outil Segment", state)) return;
    Draw(host.document(), paths);
    const auto pointers = quill::bench::Pointers(host.document(), kEvents, PageSide(paths), 2);
    std::vector<double> times;
    for (auto _ : state)
        times = quill::bench::TimeMouseEvents(host, host::MouseEvent::Move, pointers);
    Report(state, times);
    host.ShutdownPlugins();
}
BENCHMARK(BM_TrackingEvent)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The host's crossing snap alone, at the same pointers as the tracking events.
void BM_CrossingSnap(benchmark::State& state) {
    const int paths = static_cast<int>(state.range(0));
    host::Host host;
    host::SetCurrentHost(&host);
    Draw(host.document(), paths);
    host.segmentIndex();  // built before anything is timed
    const auto pointers = quill::bench::Pointers(host.document(), kEvents, PageSide(paths), 2);
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (const AIRealPoint& pointer : pointers)
            times.push_back(quill::bench::TimeNs([&] {
                benchmark::DoNotOptimize(
                    host::SnapCursor(host.document(), host.segmentIndex(), pointer, "i"));
            }));
    }
    Report(state, times);
}
BENCHMARK(BM_CrossingSnap)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The Segment tool's drag: a dimension of a path's first segment (its first anchor
// clicked, the second pressed), the pointer then wandering over the drawing (towards
// other paths' anchors and anywhere), every event timed with the annotation pass after it.
void BM_DragEvent(benchmark::State& state) {
    const int paths = static_cast<int>(state.range(0));
    host::Host host;
    if (!quill::bench::StartTool(host, "Outil Segment", state)) return;
    Draw(host.document(), paths);
    const auto pointers = quill::bench::Pointers(host.document(), kEvents, PageSide(paths), 3);
    const host::Art* first = nullptr;
    host.document().ForEachArt([&](host::Art& art) {
        if (!first && art.kind() == host::ArtKind::Path) first = &art;
    });
    const AIRealPoint a = first->segments[0].p, b = first->segments[1].p;
    host.SendMouseEvent(host::MouseEvent::Down, a, {});
    host.SendMouseEvent(host::MouseEvent::Up, a, {});
    host.SendMouseEvent(host::MouseEvent::Down, b, {});
    std::vector<double> times;
    for (auto _ : state)
        times = quill::bench::TimeMouseEvents(host, host::MouseEvent::Drag, pointers);
    Report(state, times);
    host.SendMouseEvent(host::MouseEvent::Up, pointers.back(), {});
    host.ShutdownPlugins();
}
BENCHMARK(BM_DragEvent)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

double HeapMegabytes() {
    const struct mallinfo2 heap = mallinfo2();
    // The art slabs' room that holds no art is not the document's.
    return static_cast<double>(heap.uordblks + heap.hblkhd - host::IdleArtRoomBytes()) / 1e6;
}

// The child's side of BM_PeakMemory: prints the peak resident size in megabytes of 10⁶
// bytes, the unit of the file's size beside it (ru_maxrss counts kibibytes), then the heap
// that the document holds once read and the heap that its index adds.
int PeakMemory(const char* what, const char* file) {
    std::string error, warnings;
    host::Host host;
    host::SetCurrentHost(&host);
    const double before = HeapMegabytes();
    auto document = host::LoadSvgDocument(file, &error, &warnings);
    if (!document) return 1;
    const double read = HeapMegabytes();
    double indexed = read;
    if (std::strcmp(what, "read") != 0) {
        host.ReplaceDocument(std::move(document));
        host.segmentIndex();  // as the first pointer event builds it
        indexed = HeapMegabytes();
    }
    if (std::strcmp(what, "save") == 0 &&
        !host::SaveSvgDocument(host.document(), "/tmp/quill_scale_peak.svg", &error))
        return 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f %.1f %.1f\n", static_cast<double>(usage.ru_maxrss) * 1024.0 / 1e6,
                read - before, indexed - read);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--peak-memory") == 0)
        return PeakMemory(argv[2], argv[3]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
