// The Layer suite. Layers are numbered from the top (0 is painted above all others);
// the document keeps them from the bottom.
#include "host/suites/suite_support.h"

namespace host {

namespace {

constexpr const char* kLayers = kAILayerSuite;

ASErr AIAPI CountLayers(int32_t* count) {
    return HostCall(kLayers, "CountLayers", [&](Host& host) -> AIErr {
        if (!count) return kBadParameterErr;
        *count = static_cast<int32_t>(host.document().layers().size());
        return kNoErr;
    });
}

ASErr AIAPI GetNthLayer(int32_t index, AILayerHandle* layer) {
    return HostCall(kLayers, "GetNthLayer", [&](Host& host) -> AIErr {
        if (!layer) return kBadParameterErr;
        const auto& layers = host.document().layers();
        if (index < 0 || static_cast<std::size_t>(index) >= layers.size()) return kOutOfRangeErr;
        *layer = HandleOf(layers[layers.size() - 1 - static_cast<std::size_t>(index)].get());
        return kNoErr;
    });
}

ASErr AIAPI GetCurrentLayer(AILayerHandle* layer) {
    return HostCall(kLayers, "GetCurrentLayer", [&](Host& host) -> AIErr {
        if (!layer) return kBadParameterErr;
        *layer = HandleOf(host.document().currentLayer());
        return kNoErr;
    });
}

ASErr AIAPI SetCurrentLayer(AILayerHandle handle) {
    return HostCall(kLayers, "SetCurrentLayer", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        Layer* layer = LayerParameter(handle, &error);
        if (!layer) return error;
        host.document().SetCurrentLayer(layer);
        return kNoErr;
    });
}

// The new layer does not become current: the plug-in chooses where its art goes.
ASErr AIAPI InsertLayer(AILayerHandle base, int16_t paintOrder, AILayerHandle* layer) {
    return HostCall(kLayers, "InsertLayer", [&](Host& host) -> AIErr {
        if (!layer) return kBadParameterErr;
        Document& doc = host.document();
        std::size_t position = 0;  // from the bottom
        if (paintOrder == kPlaceAboveAll) {
            position = doc.layers().size();
        } else if (paintOrder == kPlaceBelowAll) {
            position = 0;
        } else if (paintOrder == kPlaceAbove || paintOrder == kPlaceBelow) {
            AIErr error = kNoErr;
            Layer* baseLayer = LayerParameter(base, &error);
            if (!baseLayer) return error;
            position = doc.LayerPosition(baseLayer) + (paintOrder == kPlaceAbove ? 1 : 0);
        } else {
            return kBadParameterErr;
        }
        std::string title = "Calque " + std::to_string(doc.layers().size() + 1);
        *layer = HandleOf(doc.InsertLayer(position, title));
        return kNoErr;
    });
}

ASErr AIAPI GetLayerTitle(AILayerHandle handle, char* title, size_t size) {
    return HostCall(kLayers, "GetLayerTitle", [&](Host&) -> AIErr {
        AIErr error = kNoErr;
        Layer* layer = LayerParameter(handle, &error);
        if (!layer) return error;
        return CopyOut(layer->title, title, size, true);
    });
}

ASErr AIAPI SetLayerTitle(AILayerHandle handle, const char* title) {
    return HostCall(kLayers, "SetLayerTitle", [&](Host&) -> AIErr {
        if (!title) return kBadParameterErr;
        AIErr error = kNoErr;
        Layer* layer = LayerParameter(handle, &error);
        if (!layer) return error;
        layer->title = title;
        return kNoErr;
    });
}

template <class Body>
AIErr WithLayer(const char* function, AILayerHandle handle, Body&& body) {
    return HostCall(kLayers, function, [&](Host&) -> AIErr {
        AIErr error = kNoErr;
        Layer* layer = LayerParameter(handle, &error);
        if (!layer) return error;
        return body(*layer);
    });
}

ASErr AIAPI GetLayerEditable(AILayerHandle handle, AIBoolean* editable) {
    return WithLayer("GetLayerEditable", handle, [&](Layer& layer) -> AIErr {
        if (!editable) return kBadParameterErr;
        *editable = !layer.locked && layer.visible;
        return kNoErr;
    });
}

ASErr AIAPI SetLayerEditable(AILayerHandle handle, AIBoolean editable) {
    return WithLayer("SetLayerEditable", handle, [&](Layer& layer) -> AIErr {
        layer.locked = !editable;
        return kNoErr;
    });
}

ASErr AIAPI GetLayerVisible(AILayerHandle handle, AIBoolean* visible) {
    return WithLayer("GetLayerVisible", handle, [&](Layer& layer) -> AIErr {
        if (!visible) return kBadParameterErr;
        *visible = layer.visible;
        return kNoErr;
    });
}

ASErr AIAPI SetLayerVisible(AILayerHandle handle, AIBoolean visible) {
    return WithLayer("SetLayerVisible", handle, [&](Layer& layer) -> AIErr {
        layer.visible = visible != 0;
        return kNoErr;
    });
}

ASErr AIAPI GetLayerColor(AILayerHandle handle, AIRGBColor* color) {
    return WithLayer("GetLayerColor", handle, [&](Layer& layer) -> AIErr {
        if (!color) return kBadParameterErr;
        *color = layer.color;
        return kNoErr;
    });
}

AILayerSuite layerSuite = {CountLayers,      GetNthLayer,     GetCurrentLayer, SetCurrentLayer,
                           InsertLayer,      GetLayerTitle,   SetLayerTitle,   GetLayerEditable,
                           SetLayerEditable, GetLayerVisible, SetLayerVisible, GetLayerColor};
SuiteTable layerTable(kAILayerSuite, kAILayerSuiteVersion, &layerSuite);

}  // namespace
}  // namespace host
