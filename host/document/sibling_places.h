// Where art stands among its parent's children, for the record of a step. Finding one
// art's place walks its siblings; a step that touches thousands of siblings (a selection
// of a whole layer changed) would walk them thousands of times, so a parent asked about
// often gets a table of its children's places, dropped when a child is put in or taken out.
#pragma once

#include <cstddef>
#include <unordered_map>

#include "host/document/document.h"

namespace host {

class SiblingPlaces {
 public:
    /// The art's place now, as `Document::PlaceOf` gives it.
    ArtPlace Of(const Document& document, const Art& art);
    /// A child of `parent` was put in or taken out: its table no longer holds.
    void ChildrenChanged(ObjectId parent) { parents_.erase(parent); }
    void Clear() { parents_.clear(); }

 private:
    struct Children {
        std::size_t walks = 0;  // places found by walking the siblings
        std::unordered_map<const Art*, std::size_t> places;
    };
    std::unordered_map<ObjectId, Children> parents_;
};

}  // namespace host
