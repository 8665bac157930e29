// The interaction state shared by the tool controller, the tools and the feedback:
// which tool is current, the click under way, the drag, the keys. Part of the plug-in
// object's state record, from start-up to shutdown; used only on the host's thread. Only
// the tools write it: the builders they call return what happened instead.
#pragma once

#include <cstdint>

#include "plugin/geometry/types.h"
#include "sdk/errors.h"
#include "sdk/types.h"

namespace quill {

/// Tool indices, in the order the tools are registered.
enum ToolIndex : std::int32_t {
    kSegmentTool = 1,
    kAngleTool = 2,
    kCircleTool = 3,
    kBezierTool = 4,
    kLengthsTool = 5,
    kParametersTool = 6,
};
constexpr int kToolCount = 6;

/// What the press under way (mouse-down to mouse-up) found in place when it began, the
/// code of its latest step, and the piece its latest build left unfinished: a dimension
/// whose last reshape failed, or with a piece the host would not finish, is half-built.
struct GestureWatch {
    AIArtHandle groupAtDown = nullptr;
    bool firstPointAtDown = false;
    AIErr lastError = kNoErr;
    AIErr unfinished = kNoErr;
};

struct ToolState {
    std::int32_t currentTool = kSegmentTool;
    // The tool a press was handed to for that press alone (its drag and mouse-up go there
    // too); 0 when the press is the current tool's own.
    std::int32_t pressTool = 0;
    // The tool the plug-in has just asked the host to select for a hand-over: the deselect
    // and select messages of that change keep the gesture being handed over. 0: none.
    std::int32_t handOverSelection = 0;
    AIToolHandle tools[kToolCount + 1] = {};  // by tool index; [0] unused
    Point cursor;                             // latest pointer position, artwork coordinates
    Point selectionPoint;                     // pointer position when the tool was selected
    std::int16_t clickCount = 0;
    bool dragActive = false;
    bool built[kToolCount + 1] = {};  // a dimension of that tool is under construction
    // The click measured a straight segment (the Segment and Angle tools' cursors show
    // it until mouse-up).
    bool straightSegmentClick = false;
    // Keys of the latest drag event.
    bool dragAlt = false;
    bool dragControl = false;
    bool dragEscape = false;
    AIRGBColor smartGuideColour{0, 0, 0};
    GestureWatch gesture;

    /// The tool the events of the press under way belong to.
    std::int32_t ActingTool() const { return pressTool != 0 ? pressTool : currentTool; }
};

/// Part of the plug-in object's state record bound to the message being handled
/// (frame/quill_state.h).
ToolState& Tools();

}  // namespace quill
