// A measured length or area turned into the text of the real-world quantity: the drawing
// scale undone, the unit's factor applied, the number written and the unit's suffix
// appended. Lengths come in document points (1/72 inch), areas in square points.
#pragma once

#include <cstdint>

#include "plugin/text/fixed_text.h"
#include "plugin/text/number_writers.h"
#include "plugin/text/units.h"

namespace quill {

/// Room for two measures of at most 127 characters with their suffixes and signs.
constexpr int kLabelCapacity = 512;
using LabelText = FixedText<kLabelCapacity>;

/// How one measure, the main one or the second, is written.
struct MeasureFormat {
    UnitCode unit = kPoints;
    std::int8_t precision = 1;  // decimals, 0..6
    NumberSeparators separators;
    bool showUnit = true;    // the unit's suffix follows the number
    double scaleFactor = 1;  // EchelleNum / EchelleDen; lengths are divided by it
};

/// `points` in `unit` at the drawing scale: inches for the fractional codes, 0 for no unit.
double ConvertLength(double points, UnitCode unit, double scaleFactor);

/// Appends a value already converted to the format's unit: the number (a fraction for the
/// codes 4 and 5), then the suffix when the format shows its unit. No unit appends nothing.
void AppendConvertedMeasure(double value, const MeasureFormat& format, const MeasureMarks& marks,
                            LabelText& text);

/// Appends the measure of a length in points: ConvertLength, then AppendConvertedMeasure.
void AppendLengthMeasure(double points, const MeasureFormat& format, const MeasureMarks& marks,
                         LabelText& text);

/// Appends an area given in square points, in the main format's unit and precision,
/// divided by the square of the scale factor, always followed by the area suffix. The
/// inch codes are written as decimals. No unit appends nothing.
void AppendAreaMeasure(double squarePoints, const MeasureFormat& main, LabelText& text);

/// The readout of a path length beside the cursor and in the lengths and areas report:
/// the main unit and precision with the suffix always shown, inches marked " po" and feet
/// " pi ". No unit gives an empty text.
void WriteLengthReadout(double points, const MeasureFormat& main, const MeasureMarks& marks,
                        LabelText& text);

}  // namespace quill
