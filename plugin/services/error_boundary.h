// The boundary of a handler that turns the exceptions of its body back into codes.
#pragma once

#include "plugin/services/ai_error.h"
#include "sdk/errors.h"

namespace quill {

/// Runs `body` (returning an error code): the code of an ai::Error it raises, 'CANT' for
/// any other exception, else what it returns.
template <class Body>
ASErr CodeOf(Body&& body) noexcept {
    try {
        return body();
    } catch (const ai::Error& error) {
        return error.code();
    } catch (...) {
        return kCantHappenErr;
    }
}

}  // namespace quill
