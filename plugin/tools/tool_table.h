// The six tools as a table, by index: the controller hands every event to the row of the
// tool it belongs to, and holds no switch over the current tool.
#pragma once

#include <cstdint>

#include "plugin/dimensions/build_outcome.h"
#include "plugin/tools/tool.h"
#include "sdk/sdk.h"

namespace quill {

/// The tool of index `index` (1 to 6) in the plug-in object's state record; any other
/// index answers a tool that does nothing.
Tool& ToolAt(std::int32_t index);

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

/// Keeps what a build chose for the settings ("Attaches", "RayonAngle") and notes for the
/// press under way whether it left a piece unfinished. Answers `built`.
BuildResult Kept(const BuildResult& built);

/// Names the current group after the acting tool's kind of dimension, when that tool has
/// a dimension under construction.
AIErr NameCurrentGroup();

}  // namespace quill
