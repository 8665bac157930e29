// SVG path data (the `d` attribute) read into an outline.
#pragma once

#include <string>
#include <string_view>

#include "host/svg/svg_outline.h"

namespace host::svg {

/// Reads every command of `d`, absolute and relative, with implicit repeats (extra
/// pairs after a moveto are linetos). Arcs come in one Bézier per quarter turn or
/// less. False with a short `error`
/// naming the offending command or character when the data is malformed, holds a
/// number beyond kLargestCoordinate, or does not start with a moveto; an empty `d` is
/// an empty outline. Contours of a single anchor are kept only with `keepSingleNodes`.
bool ParsePathData(std::string_view d, Outline* outline, std::string* error,
                   bool keepSingleNodes = false);

}  // namespace host::svg
