// Areas as the user reads them: in the main unit squared, divided by the square of the
// scale, with the area suffix; or the word for a polygon that crosses itself.
#pragma once

#include "plugin/geometry/areas.h"
#include "plugin/geometry/services.h"
#include "plugin/text/measure_text.h"

namespace quill {

/// The area `squarePoints` of `path` written into `text`. False, with no text, when
/// `closedOnly` is set and the path is open, or for a unit that writes no area.
bool FormatArea(const PathReader& path, double squarePoints, bool closedOnly,
                const MeasureFormat& main, LabelText& text);

/// The area `squarePoints` of paths of any kind (a collection's total) written into
/// `text`; false, with no text, for a unit that writes no area.
bool FormatArea(double squarePoints, const MeasureFormat& main, LabelText& text);

/// The polygon area of the path as text ("Polygone croisé" for a self-crossing polygon);
/// false, with no text, when the path has no polygon area.
bool PolygonAreaText(const PathReader& path, const MeasureFormat& main, LabelText& text);

}  // namespace quill
