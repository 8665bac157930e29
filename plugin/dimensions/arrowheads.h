// Arrowheads at the ends of a dimension line, from the current arrowhead shape.
#pragma once

#include "plugin/dimensions/drag_keys.h"
#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// Places the slot's two arrowheads with their tips at `tip1` and `tip2` along a line
/// of direction `angle` (from tip 1 to tip 2), scaled by "Zoom" / 100, pointing the way
/// `direction` says. With "Zoom" 0 both are disposed.
AIErr PlaceArrowheads(Point tip1, Point tip2, float angle, ArrowDirection direction, int slot);

/// The arrowhead inset of the current shape scaled by "Zoom" / 100.
float ScaledArrowInset();
/// How far a dimension line stops short of its ends: the scaled inset with inward
/// arrowheads; outward ones leave the line whole.
float LineInset(ArrowDirection direction);

/// Makes the slot's arrowheads when missing (arrowhead 1 below `below`, arrowhead 2
/// below arrowhead 1), or disposes both when "Zoom" is 0. False when there are none.
bool EnsureArrowheads(int slot, AIArtHandle below, AIErr* result);

/// Gives the arrowhead the current shape, its style and closed flag, scaled by
/// "Zoom" / 100, turned by `rotation` and with its tip at `tip`.
AIErr ShapeArrowhead(AIArtHandle arrow, Point tip, float rotation);

}  // namespace quill
