// Session scripts: the text of a script read into commands, every argument checked, so
// that a mistake is reported with its line before anything runs.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "host/prefs/preference_store.h"
#include "sdk/sdk.h"

namespace host {

/// `closed locked hidden name NAME` after a shape.
struct ShapeOptions {
    bool closed = false, locked = false, hidden = false;
    std::string name;
};

/// One line of a script. Which fields are used depends on the verb.
struct ScriptCommand {
    int line = 0;
    std::string verb;                     // "doc new", "doc open", "path", "move", ...
    std::vector<std::string> texts;       // names, files, font names
    std::vector<double> numbers;          // coordinates, sizes, zoom, counts
    std::vector<AIPathSegment> segments;  // path, bezier, circle, rect
    ShapeOptions shape;
    std::set<std::int32_t> keys;  // virtual keys held (kVirtualKey...)
    PreferenceValue value;        // pref, hostpref
    AIErr code = 0;               // fail
    int count = -1;               // fail: -1 for every call
    int after = 0;                // fail: calls that run as usual first
};

/// Reads a whole script. False with `error` = "line N: what is wrong" at the first
/// mistake; `commands` then holds nothing to run.
bool ParseScript(const std::string& text, std::vector<ScriptCommand>* commands, std::string* error);

/// The title of the plug-in tool a script names (`segment` -> "Outil Segment"), or empty.
std::string ToolTitleOfScriptName(const std::string& name);
/// The script name of a plug-in tool title, or empty.
std::string ScriptNameOfToolTitle(const std::string& title);

/// Whether a script (or the page) names a key that edits the selection: `left`, `right`,
/// `up`, `down` (nudges) or `delete`.
bool IsEditKeyName(const std::string& name);
/// The virtual key a script names among the keys held (`shift`, `lshift`, `esc`, ...), or 0.
std::int32_t VirtualKeyOfScriptName(const std::string& name);

/// Segments of SVG-style path data (M, L, C, Z, absolute) in document points; false
/// with `error` set when it is malformed. `closed` is set by Z.
bool ParsePathData(const std::string& data, std::vector<AIPathSegment>* segments, bool* closed,
                   std::string* error);

/// The host's usual circle: four smooth anchors starting at the rightmost point and
/// going counter-clockwise (y upwards), handles 0.5522847771644592 × r long.
std::vector<AIPathSegment> CircleSegments(double cx, double cy, double r);

}  // namespace host
