// The lines of text beside the pointer: what the next click of the current tool will do
// and what it would measure, from the last classification and the tool's state.
#pragma once

#include <string>
#include <vector>

#include "sdk/types.h"

namespace quill {

/// The lines for the current tool (Windows-1252), top first; none for the Parameters
/// tool, whose panel writes its own.
std::vector<std::string> FeedbackLines();

/// The length in points as a readout: main unit and precision, the scale, the suffix.
std::string LengthReadout(double points);

/// The length of the path between two of its anchors as a readout (the whole perimeter
/// of a closed path when both are the same).
std::string PathReadout(AIArtHandle path, int anchorA, int anchorB);

}  // namespace quill
