// How another editor moved a dimension: the transforms the file gave its group and its
// pieces, which the drawing's geometry already carries. Undone, they tell where the
// pieces stood when the plug-in drew them.
#pragma once

#include "app/update/plane.h"
#include "host/document/document.h"

namespace quill::update {

/// The map that moved `art` from where the plug-in drew it: its own element's transform
/// after those of the groups that hold it, up to its layer.
host::PlaneMap MoveOf(const host::Document& document, const host::Art& art);

/// Where `p` stood before `move`; `p` itself when the move cannot be undone.
Vec Unmoved(const host::PlaneMap& move, Vec p);

}  // namespace quill::update
