// The cursor feedback: one annotation pass draws, over the view, what the current tool
// shows beside the pointer. Nothing of it enters the document.
#pragma once

#include "sdk/sdk.h"

namespace quill {

/// Draws the whole pass through the message's drawer: the Lengths & Areas rubber band,
/// the texts beside the pointer, the colour legend, the marks (or the Parameters panel).
/// A failing host call does not stop the pass; the result is the last call's code.
AIErr DrawAnnotation(const AIAnnotatorMessage& message);

}  // namespace quill
