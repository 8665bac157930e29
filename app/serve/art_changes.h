// What changed in a document since the page last heard of it. The unit is the top-level
// art of a layer (a path, a text, or a whole group such as a dimension): one created or
// changed is sent whole as an SVG element, one disposed by its id, and a layer whose
// stacking changed sends its order of ids.
#pragma once

#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/document/document.h"

namespace quill::serve {

class ArtChanges {
 public:
    /// The changes since the last call, as JSON: {"layers": [...] when they changed,
    /// "art": [{"id", "svg"}...], "disposed": [ids], "order": {layer id: [ids]}}; empty
    /// members are left out. `everything` sends the whole document (a page that starts
    /// or a document replaced).
    /// Only the layers and objects the document says changed are looked at, unless it is
    /// another document (`documentId`) or too much changed.
    nlohmann::json Collect(host::Document& document, host::ObjectId documentId, bool everything);
    /// Whether the document said anything changed (art touched, even where nothing it
    /// shows changed, such as its selection) at the last Collect.
    bool touched() const { return touched_; }

 private:
    /// A layer's top-level art as last sent, bottom first: ids and fingerprints.
    struct LayerArt {
        std::vector<host::ObjectId> ids;
        std::vector<std::uint64_t> prints;
    };
    /// Where an object stands in what was sent.
    struct Place {
        host::ObjectId layer;
        std::size_t index;
    };
    /// Compares the layers given (`all`: every layer of the document) with what was sent.
    nlohmann::json Compare(const host::Document& document,
                           const std::vector<const host::Layer*>& layers, bool all);
    /// Keeps the layers compared as sent.
    void Remember(std::map<host::ObjectId, LayerArt> now, bool all);

    std::map<host::ObjectId, LayerArt> sent_;  // by layer id
    std::unordered_map<host::ObjectId, Place> where_;
    std::string layers_;  // the layers as last sent
    host::ObjectId documentId_ = 0;
    bool touched_ = true;
};

/// A fingerprint of everything the SVG of the art would show or keep (recursive).
std::uint64_t Fingerprint(const host::Art& art);

/// One art as the SVG element the drawing file holds for it (document coordinates).
std::string ArtSvg(const host::Art& art);

}  // namespace quill::serve
