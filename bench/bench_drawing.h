// The generated drawing of the hit-test benchmarks: paths of corner and curved segments
// scattered over a large page, and pointer positions on and off them.
#pragma once

#include <vector>

#include "host/document/document.h"

namespace quill::bench {

/// Fills the document's current layer with `paths` open paths of `segments` segments
/// each (a third of them curved), of a few points to a few tens of points, over a square
/// page of `side` points; seeded, so every run draws the same.
void DrawPaths(host::Document& document, int paths, int segments, float side, unsigned seed);

/// Pointer positions: half near an anchor of a random path (within 10 points), half
/// anywhere on the page.
std::vector<AIRealPoint> Pointers(const host::Document& document, int count, float side,
                                  unsigned seed);

}  // namespace quill::bench
