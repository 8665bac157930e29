// How one piece of art stood at a moment: its own fields and its place, without its
// children. The undo history keeps two of these (before, after) for each art a step
// touched, and never a copy of the whole document.
#pragma once

#include <cstddef>
#include <memory>

#include "host/document/art.h"

namespace host {

/// Where art stands: its parent's identity and its position among the parent's
/// children, 0 at the bottom.
struct ArtPlace {
    ObjectId parent = 0;
    std::size_t index = 0;
};

/// One art as it stood, or as not existing at all (`fields` empty).
struct ArtRecord {
    /// The art's own fields (kind, name, tags, geometry, style, attributes, text, kept
    /// markup), held in an art without children or parent; nullptr when the art did not
    /// exist.
    std::unique_ptr<Art> fields;
    ArtPlace place;

    bool exists() const { return fields != nullptr; }
};

/// A copy of `art`'s own fields (its id and kind too), without children or parent.
std::unique_ptr<Art> CopyOwnFields(const Art& art);
/// Writes the own fields of `from` into `to` (of the same kind); children stay.
void WriteOwnFields(const Art& from, Art& to);
/// Whether two arts' own fields are equal, bit for bit where they hold numbers; the
/// attribute bits `ignored` are not compared.
bool SameOwnFields(const Art& a, const Art& b, std::int32_t ignored = 0);
/// Whether two records differ at most by the selection of the art.
bool OnlySelectionDiffers(const ArtRecord& a, const ArtRecord& b);
/// Whether two records say the same: both absent, or the same fields at the same place.
bool SameRecord(const ArtRecord& a, const ArtRecord& b);

}  // namespace host
