// Reading a dimension's link record against the drawing: the measured path that its link
// tag names and the anchors that its index tags name, or why they cannot be found.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/update/dimension_survey.h"
#include "host/document/document.h"

namespace quill::update {

/// The paths of a drawing that carry a link tag (dimension pieces excluded), by tag and
/// identifier, in the drawing's order. Measured paths keep their links while their
/// dimensions are rebuilt, so one index serves a whole update.
class LinkIndex {
 public:
    explicit LinkIndex(const host::Document& document);
    /// The paths linked by `tag` under `identifier`, first found first.
    const std::vector<const host::Art*>& Paths(const std::string& tag,
                                               const std::string& identifier) const;

 private:
    std::map<std::pair<std::string, std::string>, std::vector<const host::Art*>> paths_;
};

/// What a link record names, as the drawing stands.
struct LinkReading {
    bool found = false;
    /// Why not, when not found: "measured path missing", "measured path locked", "anchor
    /// index beyond the path", "link edited by hand", "measured points coincide".
    std::string reason;
    /// The measured anchors in the order of their index tags: a segment's first and second
    /// point; an angle's first side, vertex and second side; a circle's two arc ends.
    std::vector<AIPathSegment> anchors;
};

/// Reads the link record that `piece` (a dimension's link piece of `kind`) carries.
LinkReading ReadLink(const LinkIndex& index, const host::Art& piece, DimensionKind kind);

}  // namespace quill::update
