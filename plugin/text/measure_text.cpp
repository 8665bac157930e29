#include "plugin/text/measure_text.h"

#include "plugin/text/fraction_writer.h"

namespace quill {
double ConvertLength(double points, UnitCode unit, double scaleFactor) {
    if (!IsMeasuringUnit(unit)) return 0.0;
    return points * Unit(unit).lengthFactor / scaleFactor;
}

void AppendConvertedMeasure(double value, const MeasureFormat& format, const MeasureMarks& marks,
                            LabelText& text) {
    if (!IsMeasuringUnit(format.unit)) return;
    NumberText number;
    if (format.unit == kFractionalInches || format.unit == kFeetAndFractionalInches) {
        FractionMarks fractionMarks;
        fractionMarks.inch = format.showUnit ? InchMarkText(marks.inch) : nullptr;
        fractionMarks.foot = FootMarkText(marks.foot);
        WriteFraction(static_cast<float>(value), marks.largestDenominator, format.separators,
                      format.unit == kFeetAndFractionalInches, fractionMarks, number);
        text.Append(number);
        return;
    }
    WriteDecimal(static_cast<float>(value), format.precision, format.separators, number);
    text.Append(number);
    if (!format.showUnit) return;
    const char* suffix = Unit(format.unit).lengthSuffix;
    text.Append(suffix ? suffix : InchMarkText(marks.inch));
}

void AppendLengthMeasure(double points, const MeasureFormat& format, const MeasureMarks& marks,
                         LabelText& text) {
    AppendConvertedMeasure(ConvertLength(points, format.unit, format.scaleFactor), format, marks,
                           text);
}

void AppendAreaMeasure(double squarePoints, const MeasureFormat& main, LabelText& text) {
    if (!IsMeasuringUnit(main.unit)) return;
    const UnitInfo& unit = Unit(main.unit);
    const double area = squarePoints * unit.areaFactor / (main.scaleFactor * main.scaleFactor);
    NumberText number;
    WriteDecimal(static_cast<float>(area), main.precision, main.separators, number);
    text.Append(number);
    text.Append(unit.areaSuffix);
}

void WriteLengthReadout(double points, const MeasureFormat& main, const MeasureMarks& marks,
                        LabelText& text) {
    text.Clear();
    MeasureFormat readout = main;
    readout.showUnit = true;
    AppendLengthMeasure(points, readout, ReadoutMarks(marks), text);
}

}  // namespace quill
