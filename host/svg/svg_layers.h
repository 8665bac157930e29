// Top-level groups that vector editors mark as layers, read as the document's layers.
#pragma once

#include "host/document/document.h"
#include "host/svg/svg_art_reader.h"

namespace host::svg {

/// Whether a child of the root is a layer: a `g` with inkscape:groupmode="layer" or
/// the host's quill:layer.
bool IsLayerGroup(const pugi::xml_node& node, ReaderContext& context);

/// Makes the document's layers in the order the file gives them, bottom first.
class LayerBuilder {
 public:
    LayerBuilder(Document& document, ReaderContext& context);

    /// A new layer on top for a layer group: its title (the host's record, else
    /// inkscape:label, else the id), locked (sodipodi:insensitive) and hidden
    /// (display:none) states, and the host's layer colour.
    /// `style` is the group's own.
    Layer* NewLayer(const pugi::xml_node& layerGroup, const Style& style);
    /// The one layer "Calque 1" for top-level art outside layer groups, made on top
    /// the first time it is asked for.
    Layer* StrayLayer();
    /// Drops an unused layer for stray art and makes the topmost unlocked, visible
    /// layer current (the top layer when there is none).
    void Finish();

 private:
    Layer* NextLayer(const std::string& title);

    Document& document_;
    ReaderContext& context_;
    Layer* initial_;  // the document's first layer, used for the first layer read
    bool initialUsed_ = false;
    Layer* stray_ = nullptr;
};

}  // namespace host::svg
