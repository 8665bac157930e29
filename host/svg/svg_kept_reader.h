// What the reader keeps of a file beside the document's art, so that saving writes it
// back where it was: ids, attributes of other namespaces, opacities, references to
// definitions, and whole elements the document has no art for.
#pragma once

#include "host/document/document.h"
#include "host/svg/svg_art_reader.h"
#include "host/svg/svg_context.h"

namespace host::svg {

/// Keeps on `art` what its element says beyond the document's model: the id (unless
/// `keepId` is false, for the copies a `use` draws), attributes of other namespaces,
/// opacities (an rgba() colour's alpha included), paint references, declarations of
/// properties the document does not model, the child elements of a shape, and the
/// element's user space when a reference is drawn in it. Nothing when there is none.
void KeepMarkup(const pugi::xml_node& node, const Frame& frame, bool keepId, ReaderContext& context,
                Art* art);

/// KeepMarkup for a layer's group, without the states the host writes for its layers.
void KeepLayerMarkup(const pugi::xml_node& node, const Frame& frame, ReaderContext& context,
                     Art* group);

/// Keeps `node` whole on `piece`, an empty group standing at its place, with the user
/// space of its parent element.
void KeepWholeElement(pugi::xml_node node, const Matrix& parentSpace, Art* piece);

/// Keeps on the document the root's id, attributes of other namespaces and namespace
/// declarations, and the comments before the root.
void KeepRootMarkup(const pugi::xml_node& root, ReaderContext& context, Document& document);

/// Keeps on the document an element that stands beside the layers (definitions,
/// metadata, an editor's settings).
void KeepBesideLayers(const pugi::xml_node& node, Document& document);

/// Whether a text is one the document has no art for: it runs along a path (`textPath`)
/// or takes its characters from another text (`tref`).
bool IsTextWithoutArt(const pugi::xml_node& text, ReaderContext& context);

}  // namespace host::svg
