// The lines of text beside the pointer: what the next click of the current tool will do
// and what it would measure, from the last classification and the tool's state.
#pragma once

#include <string>
#include <vector>

#include "plugin/tools/hover_state.h"

namespace quill {

/// The lines for the current tool (Windows-1252), top first; none for the Parameters
/// tool, whose panel writes its own.
std::vector<std::string> FeedbackLines();

/// A segment, a curve or an arc of a path: what the Lengths & Areas tool collects.
bool IsPathKind(HoverKind kind);

}  // namespace quill
