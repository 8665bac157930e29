#include "host/svg/svg_progress.h"

#include <algorithm>
#include <cstdio>

namespace host::svg {

namespace {

constexpr auto kQuietFor = std::chrono::milliseconds(500);
constexpr auto kRefresh = std::chrono::milliseconds(100);

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

}  // namespace

ProgressLine::ProgressLine(const char* what, std::string path)
    : what_(what), path_(std::move(path)), start_(Clock::now()) {}

void ProgressLine::Show(double done) {
    if (done_) return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < kQuietFor || (visible_ && now - shown_ < kRefresh)) return;
    const int percent = static_cast<int>(std::clamp(done, 0.0, 1.0) * 100);
    std::fprintf(stderr, "\r%s %s: %d%%", what_, path_.c_str(), percent);
    std::fflush(stderr);
    visible_ = true;
    shown_ = now;
}

void ProgressLine::Done() {
    if (done_) return;
    done_ = true;
    const Clock::time_point now = Clock::now();
    if (!visible_ && now - start_ < kQuietFor) return;
    std::fprintf(stderr, "\r%s %s: done in %.2f s\n", what_, path_.c_str(), Seconds(now - start_));
    std::fflush(stderr);
}

}  // namespace host::svg
