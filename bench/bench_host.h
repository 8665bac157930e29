// The benchmarks that drive the plug-in through the host: a host made current, the
// plug-in started and one of its tools selected.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "host/core/host.h"

namespace quill::bench {

/// Makes `host` current, starts the plug-in and selects the tool of that title; false,
/// the benchmark skipped with the host's message, when either fails.
inline bool StartTool(host::Host& host, const char* title, benchmark::State& state) {
    host::SetCurrentHost(&host);
    std::string error;
    if (!host.StartPlugin(QUILL_DEFAULT_PLUGIN, &error) || !host.SelectToolByTitle(title, &error)) {
        state.SkipWithError(error.c_str());
        return false;
    }
    return true;
}

}  // namespace quill::bench
