// What a person does in a session, as one call each: open a drawing, pick a tool, move
// and press the pointer. Session scripts and the browser front end both act through
// these, so that a script and a page drive the host the same way.
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "host/core/host.h"

namespace host {

/// Reads the SVG drawing and makes it the open document; what was skipped goes to the
/// session's warnings. False with `error` set, the open document kept, when it cannot be read.
bool OpenDrawing(Host& host, const std::string& path, std::string* error);

/// Writes the open document as an SVG drawing; one that holds dimensions carries the
/// plug-in's settings in force with it, so that its dimensions can be rebuilt as they
/// were made. False with `error` set when it cannot be written.
bool SaveDrawing(Host& host, const std::string& path, std::string* error);

/// Makes the settings the open drawing carries the plug-in's, in a store kept in no file
/// (the user's own is left as it is). False when the drawing carries none.
bool UseDrawingSettings(Host& host, std::string* error);

/// Selects the plug-in tool a script names (`segment`, `angle`, ...).
bool SelectNamedTool(Host& host, const std::string& name, std::string* error);

/// Points an arrow key moves the selection by; ten times as far with Shift.
inline constexpr float kNudgeStep = 1;
inline constexpr float kShiftNudgeStep = 10;

/// A key that edits the selection (`left`, `right`, `up`, `down`: a nudge; `delete`),
/// Shift held or not. False when it did nothing (nothing selected, another key).
bool PressEditKey(Host& host, const std::string& name, bool shift);

/// A pointer event named as a script names it: `move`, `down`, `drag`, `up`, or `click`
/// (a press then a release at the same point), at an artwork point with the keys held.
/// False for any other name.
bool SendPointer(Host& host, const std::string& verb, AIRealPoint point,
                 const std::set<std::int32_t>& keys);

}  // namespace host
