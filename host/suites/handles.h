// Handles the host gives the plug-in: the identity of the object, never its address,
// so that a stale handle is recognised and never dereferenced.
#pragma once

#include <cstdint>

#include "host/document/document.h"

namespace host {

/// The handle of the object with identity `id` (0 is the NULL handle).
template <class Handle>
Handle ToHandle(ObjectId id) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(id));
}

/// The identity a handle names (0 for NULL).
template <class Handle>
ObjectId IdOf(Handle handle) {
    return static_cast<ObjectId>(reinterpret_cast<std::uintptr_t>(handle));
}

/// Live art of the open document named by the handle, or nullptr.
Art* ArtOf(AIArtHandle handle);
/// Live layer of the open document named by the handle, or nullptr.
Layer* LayerOf(AILayerHandle handle);

inline AIArtHandle HandleOf(const Art* art) {
    return art ? ToHandle<AIArtHandle>(art->id()) : nullptr;
}
inline AILayerHandle HandleOf(const Layer* layer) {
    return layer ? ToHandle<AILayerHandle>(layer->id()) : nullptr;
}

}  // namespace host
