// Host error codes inside the plug-in: a failing host call raises ai::Error, and the
// handler boundaries turn it back into its code.
#pragma once

#include <exception>

#include "sdk/types.h"

namespace ai {

class Error : public std::exception {
 public:
    explicit Error(AIErr code) : code_(code) {}
    AIErr code() const { return code_; }
    const char* what() const noexcept override { return "host error"; }

 private:
    AIErr code_;
};

/// Raises ai::Error for any nonzero code returned by a host call.
inline void Check(AIErr code) {
    if (code != 0) throw Error(code);
}

}  // namespace ai
