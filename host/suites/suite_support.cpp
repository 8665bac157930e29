#include "host/suites/suite_support.h"

#include <cstring>

#include "host/core/event_state.h"
#include "host/text/windows1252.h"

namespace host {

bool Finite(const AIRealMatrix& m) {
    return Finite(m.a) && Finite(m.b) && Finite(m.c) && Finite(m.d) && Finite(m.tx) && Finite(m.ty);
}

AIErr CopyOut(const std::string& value, char* buffer, std::size_t size, bool utf8) {
    if (!buffer || size == 0) return kBadParameterErr;
    if (value.size() < size) {
        std::memcpy(buffer, value.c_str(), value.size() + 1);
        return kNoErr;
    }
    std::size_t length = utf8 ? Utf8PrefixLength(value, size - 1) : size - 1;
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return kBufferTooSmallErr;
}

Art* ArtOf(AIArtHandle handle) {
    if (!handle || !HasCurrentHost()) return nullptr;
    return CurrentHost().document().FindArt(IdOf(handle));
}

Layer* LayerOf(AILayerHandle handle) {
    if (!handle || !HasCurrentHost()) return nullptr;
    return CurrentHost().document().FindLayer(IdOf(handle));
}

Art* ArtParameter(AIArtHandle handle, AIErr* error) {
    if (!handle) {
        *error = kBadParameterErr;
        return nullptr;
    }
    Art* art = ArtOf(handle);
    *error = art ? kNoErr : kStaleHandleErr;
    return art;
}

namespace {
Art* OfKind(AIArtHandle handle, ArtKind kind, AIErr* error) {
    Art* art = ArtParameter(handle, error);
    if (art && art->kind() != kind) {
        *error = kBadParameterErr;
        return nullptr;
    }
    return art;
}
}  // namespace

Art* PathParameter(AIArtHandle handle, AIErr* error) {
    return OfKind(handle, ArtKind::Path, error);
}

Art* TextParameter(AIArtHandle handle, AIErr* error) {
    return OfKind(handle, ArtKind::Text, error);
}

Layer* LayerParameter(AILayerHandle handle, AIErr* error) {
    if (!handle) {
        *error = kBadParameterErr;
        return nullptr;
    }
    Layer* layer = LayerOf(handle);
    *error = layer ? kNoErr : kStaleHandleErr;
    return layer;
}

void SelectionChanged(Host& host) {
    host.event().selectionChanged = true;
}

}  // namespace host
