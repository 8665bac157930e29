// The benchmarks that drive the plug-in through the host: a host made current, the
// plug-in started and one of its tools selected.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "host/core/host.h"

namespace quill::bench {

/// Makes `host` current, starts the plug-in, builds the spatial index (so that no timed
/// event pays for it) and selects the tool of that title; false, the benchmark skipped
/// with the host's message, when either fails.
inline bool StartTool(host::Host& host, const char* title, benchmark::State& state) {
    host::SetCurrentHost(&host);
    std::string error;
    if (!host.StartPlugin(QUILL_DEFAULT_PLUGIN, &error) || !host.SelectToolByTitle(title, &error)) {
        state.SkipWithError(error.c_str());
        return false;
    }
    host.segmentIndex();  // built now, not in the first timed event
    return true;
}

/// Nanoseconds of each event of that kind, sent at the pointers in turn.
inline std::vector<double> TimeMouseEvents(host::Host& host, host::MouseEvent kind,
                                           const std::vector<AIRealPoint>& pointers) {
    std::vector<double> times;
    times.reserve(pointers.size());
    for (const AIRealPoint& pointer : pointers) {
        const auto start = std::chrono::steady_clock::now();
        host.SendMouseEvent(kind, pointer, {});
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::nano>(end - start).count());
    }
    return times;
}

}  // namespace quill::bench
