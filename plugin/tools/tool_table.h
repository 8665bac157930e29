// The six tools as a table: what each does at every tool event, so that the controller
// holds no switch over the current tool and a new tool is a file of its own plus a row.
#pragma once

#include <cstdint>

#include "plugin/dimensions/build_outcome.h"
#include "plugin/dimensions/segment_layout.h"
#include "plugin/geometry/types.h"
#include "plugin/tools/hover_state.h"
#include "sdk/sdk.h"

namespace quill {

/// A mouse-down of the current tool, after the host's hit test at the pointer.
struct ToolClick {
    const AIToolHitData& hit;
    bool shift = false;
    bool alt = false;
    Point pointer;  // document points
};

/// One tool's behaviour. A null operation does nothing and answers kNoErr.
struct ToolBehaviour {
    /// Classifies what lies under the pointer into `CurrentHover()`.
    AIErr (*classify)(Point pointer);
    /// The cursor for what the last classification found; 0 leaves the cursor unchanged.
    std::int32_t (*cursor)(HoverKind kind, bool shiftAndAlt);
    /// Told to the user when a click hits nothing (Windows-1252); nullptr: the click goes
    /// to `click`.
    const char* nothingClickedAlert;
    AIErr (*click)(const ToolClick& click);
    /// While the drag is active.
    AIErr (*drag)(const AIToolMessage* message, const DragKeys& keys);
    AIErr (*mouseUp)();
    /// The name of the dimension groups the tool makes (Windows-1252); nullptr: none.
    const char* (*groupName)();
};

/// The behaviour of tool `index` (1 to 6); any other index does nothing.
const ToolBehaviour& BehaviourOf(std::int32_t index);

/// The rows, one per tool file.
extern const ToolBehaviour kSegmentBehaviour;
extern const ToolBehaviour kAngleBehaviour;
extern const ToolBehaviour kCircleBehaviour;
extern const ToolBehaviour kBezierBehaviour;
extern const ToolBehaviour kLengthsBehaviour;
extern const ToolBehaviour kParametersBehaviour;

/// A click on another tool's dimension: that tool becomes the current one, in the host's
/// palette too, and takes the click over; the gesture it starts outlives the deselect and
/// select messages of that change. Should the host refuse the change, the click is handed
/// over for this press only.
AIErr HandClickTo(std::int32_t tool, const ToolClick& click);

/// The press alone goes to `tool`: its click, drag and mouse-up; the current tool stays.
AIErr HandPressTo(std::int32_t tool, const ToolClick& click);

/// The tool whose dimension carries the marker of the art clicked ("mods", "moda",
/// "modc"), or 0.
std::int32_t ToolOfDimensionPiece(const ToolClick& click);

/// A dimension of `tool` built (or rebuilt from its links): it is under construction and
/// follows the pointer. Anything else leaves the gesture as it is. The build's code.
AIErr FollowBuild(std::int32_t tool, const BuildResult& built);

/// Names the current group after the acting tool's kind of dimension, when that tool has
/// a dimension under construction.
AIErr NameCurrentGroup();

}  // namespace quill
