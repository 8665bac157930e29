// The clock of the error report, which tests can set to see the duplicate window pass.
#pragma once

#include <cstdint>

namespace quill {

/// Seconds since the epoch.
using SecondsClock = std::int64_t (*)();

/// Makes the error report read the time from `clock`; nullptr restores the system clock.
void SetErrorReportClock(SecondsClock clock);

}  // namespace quill
