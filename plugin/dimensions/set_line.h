// Where the line of a member of a set of segment dimensions stands (a chain, a baseline
// set, ordinates), as its line pieces carry it in their "serieligne" tag, so that a
// rebuild puts the member back on the set's line whatever the pointer does.
#pragma once

#include <optional>
#include <string>

#include "plugin/geometry/types.h"

namespace quill {

enum class SetLineKind {
    Oblique,     // along the measured points; the place is the signed offset
    Horizontal,  // the place is the line's y
    Vertical,    // the place is the line's x
    OrdinateX,   // a leader up or down to the common line at y = place, labelled with x
    OrdinateY,   // a leader across to the common line at x = place, labelled with y
};

struct SetLine {
    SetLineKind kind = SetLineKind::Horizontal;
    float place = 0;
};

/// The tag's text: the kind's letter ("o", "h", "v", "x", "y"), a space, the place.
std::string SetLineText(const SetLine& line);
/// The line a tag's text names; nothing for a text that names none.
std::optional<SetLine> ParseSetLine(const char* text);

/// Whether the members of the line are ordinates: a leader and a coordinate.
bool IsOrdinate(SetLineKind kind);

/// The place of the line of that kind through `pointer` for a member measuring from
/// `first` to `second`: its y, its x, or the signed offset from the points' line.
float PlaceThrough(SetLineKind kind, Point first, Point second, Point pointer);

/// A point on the member's line: where a pointer would put the line there.
Point PointOnLine(const SetLine& line, Point first, Point second);

}  // namespace quill
