#include "host/suites/art_handles.h"

#include <cstdint>

#include "host/session/host.h"

namespace host {

AIArtHandle ArtHandle(const Art* art) {
    if (!art) return nullptr;
    return reinterpret_cast<AIArtHandle>(static_cast<std::uintptr_t>(art->id()));
}

Art* ArtFromHandle(AIArtHandle handle) {
    if (!handle || !HostRunning()) return nullptr;
    return CurrentHost().document().FindArt(
        static_cast<ObjectId>(reinterpret_cast<std::uintptr_t>(handle)));
}

}  // namespace host
