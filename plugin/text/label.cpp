#include "plugin/text/label.h"

#include <cmath>

#include "plugin/geometry/types.h"

namespace quill {
namespace {

// Texts are Windows-1252: "\xD8" is "Ø", "\xB0" "°", "\xB1" "±".
constexpr const char* kRadiusSign = "R";
constexpr const char* kDiameterSign = "\xD8";
constexpr const char* kDegreeSign = "\xB0";
constexpr const char* kToleranceSigns[] = {"+", "-", "\xB1"};

// Converted circle measures beyond this are written as 0.
constexpr double kLargestCircleMeasure = 3.4028234663852886e37;
constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

void AppendCircleMeasure(double lengthPoints, const char* symbol, const CircleSign& sign,
                         const MeasureFormat& format, const MeasureMarks& marks, LabelText& label) {
    if (!IsMeasuringUnit(format.unit)) return;
    double value = ConvertLength(lengthPoints, format.unit, format.scaleFactor);
    if (std::fabs(value) > kLargestCircleMeasure) value = 0.0;
    const bool signBefore = sign.shown && sign.before;
    const bool signAfter = sign.shown && !sign.before;
    if (signBefore) {
        label.Append(symbol);
        label.Append(' ');
    }
    AppendConvertedMeasure(value, format, marks, label);
    if (signAfter) {
        label.Append(' ');
        label.Append(symbol);
    }
}

}  // namespace

void ComposeLengthLabel(double points, const LabelStyle& style, LabelText& label) {
    label.Clear();
    AppendLengthMeasure(points, style.main, style.marks, label);
    if (!style.doubleMeasure) return;
    label.Append(kLabelLineBreak);
    AppendLengthMeasure(points, style.second, style.marks, label);
}

double ArcAngle(double angle, bool longWay) {
    const double magnitude = std::fabs(angle);
    return longWay ? kTwoPi - magnitude : magnitude;
}

void ComposeCircleLabel(double radiusPoints, bool invertDiameter, const LabelStyle& style,
                        const CircleSign& sign, LabelText& label) {
    label.Clear();
    const bool diameter = sign.diameter != invertDiameter;
    const double length = diameter ? 2.0 * radiusPoints : radiusPoints;
    const char* symbol = diameter ? kDiameterSign : kRadiusSign;
    AppendCircleMeasure(length, symbol, sign, style.main, style.marks, label);
    if (!style.doubleMeasure) return;
    label.Append(kLabelLineBreak);
    AppendCircleMeasure(length, symbol, sign, style.second, style.marks, label);
}

void ComposeAngleLabel(double angleRadians, bool reflex, const MeasureFormat& main,
                       LabelText& label) {
    label.Clear();
    const double degrees = ArcAngle(angleRadians, reflex) * kDegreesPerRadian;
    NumberText number;
    WriteDecimal(static_cast<float>(degrees), main.precision, main.separators, number);
    label.Append(number);
    if (main.showUnit) label.Append(kDegreeSign);
}

bool ComposeToleranceText(const ToleranceStyle& tolerance, LabelText& text) {
    text.Clear();
    if (!tolerance.shown) return false;
    if (tolerance.symbol >= 0 && tolerance.symbol <= 2)
        text.Append(kToleranceSigns[tolerance.symbol]);
    NumberText value;
    WriteTolerance(static_cast<float>(tolerance.value), tolerance.separators, value);
    text.Append(value);
    return true;
}

}  // namespace quill
