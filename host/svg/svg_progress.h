// A line on stderr that tells how far a long open or save has gone, so that a person
// waiting on a large drawing knows it works.
#pragma once

#include <chrono>
#include <string>

namespace host::svg {

class ProgressLine {
 public:
    /// `what` is the work ("opening"), `path` the file.
    ProgressLine(const char* what, std::string path);
    ~ProgressLine() { Done(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    /// How much is done, 0 … 1. Nothing shows before the work has taken half a second;
    /// then the line is rewritten at most ten times a second.
    void Show(double done);
    /// Ends the line with the time taken, when it was shown; nothing otherwise.
    void Done();

 private:
    using Clock = std::chrono::steady_clock;
    const char* what_;
    std::string path_;
    Clock::time_point start_, shown_;
    bool visible_ = false, done_ = false;
};

}  // namespace host::svg
