// Writing back what the reader kept beside the art: attributes, opacities, whole
// elements in the user space they stood in, with ids that stay unique.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <unordered_set>

#include "host/document/art.h"
#include "host/svg/svg_matrix.h"

namespace host::svg {

/// The ids written so far in a file, so that copies of kept markup never repeat one.
class WrittenIds {
 public:
    /// `id` when no element has it yet, else a fresh variant ("id-2", "id-3"...).
    std::string Claim(const std::string& id);

 private:
    std::unordered_set<std::string> taken_;
};

/// Where art is written: the user space of the element it goes into, mapped to document
/// points (the identity inside a layer), the ids written so far, and whether the file
/// keeps style sheets (the art's properties then go in `style=""`, out of their reach).
struct WriteSpace {
    Matrix toDocument;
    WrittenIds* ids = nullptr;
    bool styleInline = false;
};

bool IsIdentity(const Matrix& m);

/// The user space the art's own content is written in: its kept one when it has one
/// that can be undone, else `outer`.
Matrix OwnSpace(const Art& art, const Matrix& outer);

/// The `transform` that takes `outer` to `inner`, or "" when they are the same.
std::string RelativeTransform(const Matrix& outer, const Matrix& inner);

/// Writes the kept attributes and opacities on `node`. An attribute the host wrote
/// itself stays, except that a kept paint reference replaces the host's colour and kept
/// declarations join its `style`. `paints`: the element is a path or a text.
void WriteKeptAttributes(pugi::xml_node node, const KeptMarkup& kept, bool paints, WrittenIds& ids);

/// Appends kept elements under `parent`, laid out as they were read, ids made unique.
/// Gives back the first of them (an empty node when there is none).
pugi::xml_node AppendKeptMarkup(pugi::xml_node parent, const std::string& markup, WrittenIds& ids);

/// Writes a whole kept element into `parent`; one that draws where it stands gets the
/// user space it stood in back through its `transform`, when `outer` is another one.
void WriteKeptElement(pugi::xml_node parent, const KeptMarkup& kept, const WriteSpace& outer);

}  // namespace host::svg
