// A drawing that keeps its style sheets keeps rules that would reach the elements the
// host writes (a `path{stroke:red}`, a `*{opacity:.5}`): the host then writes every
// property it models in `style=""`, which a sheet's normal declarations do not beat.
#pragma once

#include <pugixml.hpp>

#include "host/document/art.h"

namespace host::svg {

/// Moves the properties the host wrote as presentation attributes on `node`, the
/// element of art of that kind, into its `style` attribute, ahead of the declarations
/// already there, and declares every other property the host models for that kind with
/// its initial value.
void WriteStyleInline(pugi::xml_node node, ArtKind kind);

}  // namespace host::svg
