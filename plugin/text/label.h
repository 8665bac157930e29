// The texts a dimension carries: the label with the main measure and an optional second
// measure on a second line, the circle's radius or diameter sign, the angle in degrees,
// and the two tolerance texts. Windows-1252, zero-terminated, fixed buffers.
#pragma once

#include <cstdint>

#include "plugin/text/measure_text.h"

namespace quill {

/// Ends the main measure's line; the host's text engine takes it as a paragraph break.
constexpr char kLabelLineBreak = '\x0D';

/// How a label writes its measures.
struct LabelStyle {
    MeasureFormat main;
    MeasureFormat second;
    bool doubleMeasure = false;  // the second measure follows on a second line
    MeasureMarks marks;
};

/// The sign of a circle's measure: "R" or "Ø", before the number (a space after it) or
/// after it (a space before it), or none.
struct CircleSign {
    bool diameter = false;  // the diameter is measured, not the radius
    bool shown = true;
    bool before = true;
};

/// One tolerance as its text shows it.
struct ToleranceStyle {
    bool shown = false;
    double value = 0;         // in the main unit
    std::int32_t symbol = 0;  // 0 "+", 1 "-", 2 "±"; any other code writes no sign
    NumberSeparators separators;
};

/// The label of a length in points (segment, arc length, curve length): the main measure,
/// and with a double measure a line break and the second measure (the break is written
/// even when the second unit is "sans unité").
void ComposeLengthLabel(double points, const LabelStyle& style, LabelText& label);

/// The angle an arc measure uses, in radians: |angle|, or 2π − |angle| the long way round.
double ArcAngle(double angle, bool longWay);

/// The label of a circle of radius `radiusPoints`: the diameter when `sign.diameter` is
/// set, the other one when `invertDiameter` is; a converted value beyond 3.4e37 is
/// written as 0; the sign before or after the number and its suffix; with a double
/// measure a line break and the second measure composed the same way.
void ComposeCircleLabel(double radiusPoints, bool invertDiameter, const LabelStyle& style,
                        const CircleSign& sign, LabelText& label);

/// The label of an angle in radians (its absolute value, or 2π minus it when `reflex`) in
/// degrees, with the main format's precision and separators, "°" after it when the format
/// shows its unit. Neither the unit nor the scale plays a part.
void ComposeAngleLabel(double angleRadians, bool reflex, const MeasureFormat& main,
                       LabelText& label);

/// The text of a tolerance: its sign ("+", "-", "±"; no sign for another code) and its
/// value written by the tolerance writer. Empty, and false, when it is not shown.
bool ComposeToleranceText(const ToleranceStyle& tolerance, LabelText& text);

}  // namespace quill
