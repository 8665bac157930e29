// Art handles as the suites hand them out: the art's identity, which is never reused, so
// that a handle of disposed art is recognised as stale instead of being dereferenced.
#pragma once

#include "host/document/art.h"
#include "sdk/types.h"

namespace host {

/// The handle naming the art (nullptr for nullptr).
AIArtHandle ArtHandle(const Art* art);

/// The live art of the current host's document that the handle names; nullptr for a
/// null or stale handle, or when no host runs.
Art* ArtFromHandle(AIArtHandle handle);

}  // namespace host
