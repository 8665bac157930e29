// Per-call timing for the benchmarks that report percentiles: each call is timed on its
// own (repeated when it is too short for the clock) and the distribution summarised.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace quill::bench {

/// Nanoseconds per call of f, timed over `repeats` calls in a row.
template <class F>
double TimeNs(F&& f, int repeats = 1) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) f();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(end - start).count() / repeats;
}

/// The q-quantile (0 … 1) of the samples (reordered).
inline double Quantile(std::vector<double>& samples, double q) {
    if (samples.empty()) return 0;
    const auto k = static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(k),
                     samples.end());
    return samples[k];
}

}  // namespace quill::bench
