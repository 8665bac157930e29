// The tool controller: every tool event of the six tools comes here. It keeps the
// current tool, reads the keys, switches tools on Shift and Alt, chooses the cursor,
// hands clicks and drags to the current tool, and finishes each gesture at mouse-up.
#pragma once

#include "sdk/sdk.h"

namespace quill {

AIErr SelectTool(AIToolMessage* message, AIAnnotatorHandle annotator);
AIErr DeselectTool(AIToolMessage* message, AIAnnotatorHandle annotator);
AIErr EditTool(AIToolMessage* message);
AIErr TrackToolCursor(AIToolMessage* message);
AIErr ToolMouseDown(AIToolMessage* message);
AIErr ToolMouseDrag(AIToolMessage* message);
AIErr ToolMouseUp(AIToolMessage* message);
/// The selection changed, by the host or a tool: every tool reads the drawing again.
void DocumentChangedUnderTools();

}  // namespace quill
