// What the feedback itself writes beside the pointer: the colour legend's names. The
// lines of each tool are its own (tools/hover_texts.h).
#pragma once

#include "plugin/text/cp1252_literal.h"

namespace quill::texts {

constexpr Cp1252Literal kGreyLegend("G");
constexpr Cp1252Literal kRgbLegend("RVB");
constexpr Cp1252Literal kCmykLegend("CMJN");
constexpr Cp1252Literal kSpotLegend("TD");
constexpr Cp1252Literal kProcessLegend("CQ");

}  // namespace quill::texts
