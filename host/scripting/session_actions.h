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

/// Selects the plug-in tool a script names (`segment`, `angle`, ...).
bool SelectNamedTool(Host& host, const std::string& name, std::string* error);

/// A pointer event named as a script names it: `move`, `down`, `drag`, `up`, or `click`
/// (a press then a release at the same point), at an artwork point with the keys held.
/// False for any other name.
bool SendPointer(Host& host, const std::string& verb, AIRealPoint point,
                 const std::set<std::int32_t>& keys);

}  // namespace host
