// The pieces of the lines beside the pointer that several tools share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plugin/tools/hover_state.h"

namespace quill {

/// The lines beside the pointer (Windows-1252), top first.
using FeedbackLineList = std::vector<std::string>;

/// Units that write no measure: no length line is shown for them.
bool WritesNoMeasure(std::int32_t unit);

/// `prefix` then `value`.
std::string Joined(const char* prefix, const std::string& value);

/// "Échelle=1 /100" whenever the drawing is not at real size.
void AddScaleLine(FeedbackLineList& lines);

/// "Courbe." and the hovered curve's whole length, measured when the pointer came over it.
void AddCurveLines(FeedbackLineList& lines, const HoverState& hover);

}  // namespace quill
