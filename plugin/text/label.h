// The texts a dimension carries: the label with the main measure and an optional second
// measure on a second line, the circle's radius or diameter sign, the angle in degrees,
// and the two tolerance texts. Windows-1252, zero-terminated, fixed buffers.
#pragma once

#include <cstdint>

#include "plugin/geometry/types.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/measure_text.h"

namespace quill {

/// Ends the main measure's line; the host's text engine takes it as a paragraph break.
constexpr char kLabelLineBreak = '\x0D';

/// The label of a length in points (segment, arc length, curve length): the main measure,
/// and with "DoubleMesure" a line break and the second measure (the break is written even
/// when the second unit is "sans unité").
void ComposeLengthLabel(double points, const SettingsRecord& settings, const MeasureMarks& marks,
                        LabelText& label);

/// The length a segment dimension of `dimensionType` ("TypeDeCote") shows between two
/// points, in points: the distance for 0 and 3 (and any unknown type); the horizontal
/// distance for 1 and the vertical one for 2, exchanged when `swapped` is set.
float SegmentMeasure(Point first, Point second, std::int32_t dimensionType, bool swapped);

/// The angle an arc measure uses, in radians: |angle|, or 2π − |angle| the long way round.
double ArcAngle(double angle, bool longWay);

/// The label of a circle of radius `radiusPoints`: the diameter when "Diametre" is set,
/// the other one when `invertDiameter` is; a converted value beyond 3.4e37 is written as
/// 0; the sign "R" or "Ø" before (with a space after it) or after (with a space before it)
/// the number and its suffix as "RouD" and "RouDAvant" say; with "DoubleMesure" a line
/// break and the second measure composed the same way.
void ComposeCircleLabel(double radiusPoints, bool invertDiameter, const SettingsRecord& settings,
                        const MeasureMarks& marks, LabelText& label);

/// The label of an angle in radians (its absolute value, or 2π minus it when `reflex`) in
/// degrees, with "Precision" and the main separators, "°" after it with "AfficheUnite".
/// Neither the unit nor the scale plays a part.
void ComposeAngleLabel(double angleRadians, bool reflex, const SettingsRecord& settings,
                       LabelText& label);

/// The text of tolerance `index` (0 for tolerance 1, 1 for tolerance 2): its sign ("+",
/// "-", "±" for "SymboleTole…" 0, 1, 2; no sign for another code) and its value written by
/// the tolerance writer in the main separators. Empty, and false, when the tolerance is
/// not shown or the index is not 0 or 1.
bool ComposeToleranceText(int index, const SettingsRecord& settings, LabelText& text);

}  // namespace quill
