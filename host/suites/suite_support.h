// What every suite function of the host shares: reaching the running host, refusing
// bad parameters, copying strings into the caller's buffers.
#pragma once

#include <cmath>
#include <cstddef>
#include <string>

#include "host/core/host.h"
#include "host/suites/handles.h"
#include "host/suites/registry.h"

namespace host {

/// Runs a suite function's body with the running host: an injected failure first, no
/// host running is kCantHappenErr, and no exception crosses back into the plug-in.
template <class Body>
AIErr HostCall(const char* suite, const char* function, Body&& body) noexcept {
    return Guarded(suite, function, [&]() -> AIErr {
        if (!HasCurrentHost()) return kCantHappenErr;
        return body(CurrentHost());
    });
}

inline bool Finite(AIReal v) {
    return std::isfinite(v);
}
inline bool Finite(const AIRealPoint& p) {
    return Finite(p.h) && Finite(p.v);
}
bool Finite(const AIRealMatrix& m);

/// Copies `value` into `buffer` of `size` bytes with a terminating zero. A value that
/// does not fit is cut (at a UTF-8 character boundary when `utf8`), terminated, and
/// kBufferTooSmallErr. A NULL buffer or a size of 0 is kBadParameterErr.
AIErr CopyOut(const std::string& value, char* buffer, std::size_t size, bool utf8);

/// A string parameter: NULL is refused by the caller; this reads it.
inline std::string Text(const char* s) {
    return s ? std::string(s) : std::string();
}

/// The art named by the handle, with the error to return when there is none: NULL is
/// kBadParameterErr, a handle of no live art kStaleHandleErr.
Art* ArtParameter(AIArtHandle handle, AIErr* error);
/// The same for a path (art of another kind: kBadParameterErr).
Art* PathParameter(AIArtHandle handle, AIErr* error);
/// The same for a point text.
Art* TextParameter(AIArtHandle handle, AIErr* error);
/// The same for a layer.
Layer* LayerParameter(AILayerHandle handle, AIErr* error);

/// Records that the selection changed, so that the host notifies it after the event.
void SelectionChanged(Host& host);

}  // namespace host
