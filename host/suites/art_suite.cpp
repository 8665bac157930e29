// The Art suite: creating, disposing, moving and copying art, walking the art tree,
// user attributes, bounds, validity and names.
#include "host/core/event_state.h"
#include "host/geometry/art_matching.h"
#include "host/suites/art_bounds.h"
#include "host/suites/suite_support.h"

namespace host {

namespace {

constexpr const char* kArt = kAIArtSuite;
constexpr std::int32_t kSelectionBits = kArtSelected | kArtFullySelected;

bool AnySelected(const Art& art) {
    if (art.attributes & kArtSelected) return true;
    for (const auto& child : art.children())
        if (AnySelected(*child)) return true;
    return false;
}

/// The `prep` art of a placement: NULL is allowed, a stale handle is not.
bool PrepParameter(AIArtHandle prep, Art** art, AIErr* error) {
    *art = nullptr;
    if (!prep) return true;
    *art = ArtParameter(prep, error);
    return *art != nullptr;
}

ASErr AIAPI NewArt(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt) {
    return HostCall(kArt, "NewArt", [&](Host& host) -> AIErr {
        if (!newArt) return kBadParameterErr;
        const ArtKind kind = type == kGroupArt          ? ArtKind::Group
                             : type == kCompoundPathArt ? ArtKind::CompoundPath
                                                        : ArtKind::Path;
        if (type != kGroupArt && type != kPathArt && type != kCompoundPathArt)
            return kBadParameterErr;
        AIErr error = kNoErr;
        Art* prepArt = nullptr;
        if (!PrepParameter(prep, &prepArt, &error)) return error;
        Art* art = host.document().NewArt(kind, paintOrder, prepArt);
        if (!art) return kBadParameterErr;
        // A new member takes its compound path's paint; other paths the current style.
        if (kind != ArtKind::Group && !art->compound()) art->setStyle(host.currentPathStyle());
        *newArt = HandleOf(art);
        return kNoErr;
    });
}

ASErr AIAPI DisposeArt(AIArtHandle handle) {
    return HostCall(kArt, "DisposeArt", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        bool wasSelected = AnySelected(*art);
        if (!host.document().Dispose(art)) return kBadParameterErr;
        if (wasSelected) SelectionChanged(host);
        return kNoErr;
    });
}

ASErr AIAPI ReorderArt(AIArtHandle handle, int16_t paintOrder, AIArtHandle prep) {
    return HostCall(kArt, "ReorderArt", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        Art* prepArt = nullptr;
        if (!PrepParameter(prep, &prepArt, &error)) return error;
        return host.document().Move(art, paintOrder, prepArt) ? kNoErr : kBadParameterErr;
    });
}

ASErr AIAPI DuplicateArt(AIArtHandle handle, int16_t paintOrder, AIArtHandle prep,
                         AIArtHandle* newArt) {
    return HostCall(kArt, "DuplicateArt", [&](Host& host) -> AIErr {
        if (!newArt) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        Art* prepArt = nullptr;
        if (!PrepParameter(prep, &prepArt, &error)) return error;
        Art* copy = host.document().Duplicate(*art, paintOrder, prepArt);
        if (!copy) return kBadParameterErr;
        if (AnySelected(*copy)) SelectionChanged(host);
        *newArt = HandleOf(copy);
        return kNoErr;
    });
}

ASErr AIAPI GetFirstArtOfLayer(AILayerHandle layerHandle, AIArtHandle* art) {
    return HostCall(kArt, "GetFirstArtOfLayer", [&](Host&) -> AIErr {
        if (!art) return kBadParameterErr;
        AIErr error = kNoErr;
        Layer* layer = LayerParameter(layerHandle, &error);
        if (!layer) return error;
        *art = HandleOf(layer->group());
        return kNoErr;
    });
}

ASErr AIAPI GetLayerOfArt(AIArtHandle handle, AILayerHandle* layer) {
    return HostCall(kArt, "GetLayerOfArt", [&](Host& host) -> AIErr {
        if (!layer) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        *layer = HandleOf(host.document().LayerOf(art));
        return kNoErr;
    });
}

ASErr AIAPI GetArtType(AIArtHandle handle, int16_t* type) {
    return HostCall(kArt, "GetArtType", [&](Host&) -> AIErr {
        if (!type) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        *type = SdkArtType(art->kind());
        return kNoErr;
    });
}

ASErr AIAPI GetArtUserAttr(AIArtHandle handle, int32_t whichAttr, int32_t* attr) {
    return HostCall(kArt, "GetArtUserAttr", [&](Host&) -> AIErr {
        if (!attr) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        std::int32_t bits = art->attributes;
        // Selected art is selected whole: the host selects no single anchors.
        if (bits & kArtSelected) bits |= kArtFullySelected;
        *attr = bits & whichAttr;
        return kNoErr;
    });
}

ASErr AIAPI SetArtUserAttr(AIArtHandle handle, int32_t whichAttr, int32_t attr) {
    return HostCall(kArt, "SetArtUserAttr", [&](Host& host) -> AIErr {
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        if (art->layerOfGroup()) return kBadParameterErr;
        std::int32_t before = art->attributes;
        std::int32_t plain = whichAttr & ~kSelectionBits;
        std::int32_t after = (before & ~plain) | (attr & plain);
        if (whichAttr & kSelectionBits) {
            after &= ~kSelectionBits;
            if (attr & whichAttr & kSelectionBits) after |= kArtSelected;
        }
        // Attributes set as they already are change nothing: nothing to record.
        if (after == before) return kNoErr;
        host.document().Touch(*art);
        art->attributes = after;
        if ((before ^ after) & kArtSelected) SelectionChanged(host);
        return kNoErr;
    });
}

/// The child of `parent` at `offset` places from `art` in the stacking order (+1: the
/// one above), or nullptr.
Art* Neighbour(const Art& art, int offset) {
    const Art* parent = art.parent();
    if (!parent) return nullptr;
    const auto& siblings = parent->children();
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].get() != &art) continue;
        auto j = static_cast<std::ptrdiff_t>(i) + offset;
        if (j < 0 || j >= static_cast<std::ptrdiff_t>(siblings.size())) return nullptr;
        return siblings[static_cast<std::size_t>(j)].get();
    }
    return nullptr;
}

template <class Step>
AIErr Walk(const char* function, AIArtHandle handle, AIArtHandle* out, Step&& step) {
    return HostCall(kArt, function, [&](Host&) -> AIErr {
        if (!out) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        *out = HandleOf(step(*art));
        return kNoErr;
    });
}

// Children are walked from the top of the stack down, as the host paints them last first.
ASErr AIAPI GetArtParent(AIArtHandle art, AIArtHandle* parent) {
    return Walk("GetArtParent", art, parent, [](Art& a) { return a.parent(); });
}
ASErr AIAPI GetArtFirstChild(AIArtHandle art, AIArtHandle* child) {
    return Walk("GetArtFirstChild", art, child, [](Art& a) -> Art* {
        return a.children().empty() ? nullptr : a.children().back().get();
    });
}
ASErr AIAPI GetArtSibling(AIArtHandle art, AIArtHandle* sibling) {
    return Walk("GetArtSibling", art, sibling, [](Art& a) { return Neighbour(a, -1); });
}
ASErr AIAPI GetArtPriorSibling(AIArtHandle art, AIArtHandle* sibling) {
    return Walk("GetArtPriorSibling", art, sibling, [](Art& a) { return Neighbour(a, +1); });
}

ASErr AIAPI IsArtLayerGroup(AIArtHandle handle, AIBoolean* isLayerGroup) {
    return HostCall(kArt, "IsArtLayerGroup", [&](Host&) -> AIErr {
        if (!isLayerGroup) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        *isLayerGroup = art->layerOfGroup() != nullptr;
        return kNoErr;
    });
}

ASErr AIAPI GetArtBounds(AIArtHandle handle, AIRealRect* bounds) {
    return HostCall(kArt, "GetArtBounds", [&](Host& host) -> AIErr {
        if (!bounds) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        // The index, once built, keeps every path's bounds: a band asks them of every path.
        *bounds = ArtBounds(*art, host.fonts(), host.builtSegmentIndex())
                      .value_or(AIRealRect{0, 0, 0, 0});
        return kNoErr;
    });
}

ASErr AIAPI ValidArt(AIArtHandle handle, AIBoolean, AIBoolean* valid) {
    return HostCall(kArt, "ValidArt", [&](Host&) -> AIErr {
        if (!valid) return kBadParameterErr;
        *valid = ArtOf(handle) != nullptr;
        return kNoErr;
    });
}

std::string DefaultName(const Art& art) {
    if (Layer* layer = art.layerOfGroup()) return layer->title;
    switch (art.kind()) {
        case ArtKind::Group:
            return "<Groupe>";
        case ArtKind::Path:
            return "<Tracé>";
        case ArtKind::Text:
            return "<Texte>";
        case ArtKind::CompoundPath:
            return "<Tracé transparent>";
    }
    return {};
}

ASErr AIAPI GetArtName(AIArtHandle handle, char* name, size_t size, AIBoolean* isDefaultName) {
    return HostCall(kArt, "GetArtName", [&](Host&) -> AIErr {
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        bool isDefault = art->name.empty();
        if (isDefaultName) *isDefaultName = isDefault;
        return CopyOut(isDefault ? DefaultName(*art) : art->name.str(), name, size, true);
    });
}

ASErr AIAPI SetArtName(AIArtHandle handle, const char* name) {
    return HostCall(kArt, "SetArtName", [&](Host& host) -> AIErr {
        if (!name) return kBadParameterErr;
        AIErr error = kNoErr;
        Art* art = ArtParameter(handle, &error);
        if (!art) return error;
        host.document().Touch(*art);
        art->name = name;
        return kNoErr;
    });
}

AIArtSuite artSuite = {
    NewArt,           DisposeArt,    ReorderArt,         DuplicateArt,    GetFirstArtOfLayer,
    GetLayerOfArt,    GetArtType,    GetArtUserAttr,     SetArtUserAttr,  GetArtParent,
    GetArtFirstChild, GetArtSibling, GetArtPriorSibling, IsArtLayerGroup, GetArtBounds,
    ValidArt,         GetArtName,    SetArtName};
SuiteTable artTable(kAIArtSuite, kAIArtSuiteVersion, &artSuite);

}  // namespace
}  // namespace host
