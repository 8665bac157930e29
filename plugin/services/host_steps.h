// A run of host calls that carries on after a failure and answers the code of the last
// call: how every builder works, a piece that a failing call left missing being made
// again the next time.
#pragma once

#include "sdk/errors.h"
#include "sdk/types.h"

namespace quill {

class HostSteps {
 public:
    /// The code of one more call of the run; the run goes on whatever it is.
    HostSteps& operator<<(AIErr code) {
        last_ = code;
        return *this;
    }
    /// The code of the last call, kNoErr before any.
    AIErr Last() const { return last_; }

 private:
    AIErr last_ = kNoErr;
};

}  // namespace quill
