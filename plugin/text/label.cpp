#include "plugin/text/label.h"

#include <cmath>

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

void AppendCircleMeasure(double lengthPoints, const char* sign, const SettingsRecord& settings,
                         const MeasureFormat& format, const MeasureMarks& marks, LabelText& label) {
    if (!IsMeasuringUnit(format.unit)) return;
    double value = ConvertLength(lengthPoints, format.unit, format.scaleFactor);
    if (std::fabs(value) > kLargestCircleMeasure) value = 0.0;
    const bool signBefore = settings.showCircleSign && settings.signBefore;
    const bool signAfter = settings.showCircleSign && !settings.signBefore;
    if (signBefore) {
        label.Append(sign);
        label.Append(' ');
    }
    AppendConvertedMeasure(value, format, marks, label);
    if (signAfter) {
        label.Append(' ');
        label.Append(sign);
    }
}

}  // namespace

void ComposeLengthLabel(double points, const SettingsRecord& settings, const MeasureMarks& marks,
                        LabelText& label) {
    label.Clear();
    AppendLengthMeasure(points, MainMeasureFormat(settings), marks, label);
    if (!settings.doubleMeasure) return;
    label.Append(kLabelLineBreak);
    AppendLengthMeasure(points, SecondMeasureFormat(settings), marks, label);
}

float SegmentMeasure(Point first, Point second, std::int32_t dimensionType, bool swapped) {
    const float horizontal = std::fabs(second.h - first.h);
    const float vertical = std::fabs(second.v - first.v);
    switch (dimensionType) {
        case 1:
            return swapped ? vertical : horizontal;
        case 2:
            return swapped ? horizontal : vertical;
        default:
            return std::sqrt(horizontal * horizontal + vertical * vertical);
    }
}

double ArcAngle(double angle, bool longWay) {
    const double magnitude = std::fabs(angle);
    return longWay ? kTwoPi - magnitude : magnitude;
}

void ComposeCircleLabel(double radiusPoints, bool invertDiameter, const SettingsRecord& settings,
                        const MeasureMarks& marks, LabelText& label) {
    label.Clear();
    const bool diameter = settings.diameter != invertDiameter;
    const double length = diameter ? 2.0 * radiusPoints : radiusPoints;
    const char* sign = diameter ? kDiameterSign : kRadiusSign;
    AppendCircleMeasure(length, sign, settings, MainMeasureFormat(settings), marks, label);
    if (!settings.doubleMeasure) return;
    label.Append(kLabelLineBreak);
    AppendCircleMeasure(length, sign, settings, SecondMeasureFormat(settings), marks, label);
}

void ComposeAngleLabel(double angleRadians, bool reflex, const SettingsRecord& settings,
                       LabelText& label) {
    label.Clear();
    const MeasureFormat main = MainMeasureFormat(settings);
    const double degrees = ArcAngle(angleRadians, reflex) * kDegreesPerRadian;
    NumberText number;
    WriteDecimal(static_cast<float>(degrees), main.precision, main.separators, number);
    label.Append(number);
    if (settings.showUnit) label.Append(kDegreeSign);
}

bool ComposeToleranceText(int index, const SettingsRecord& settings, LabelText& text) {
    text.Clear();
    if (index < 0 || index > 1) return false;
    const ToleranceSetting& tolerance = settings.tolerances[index];
    if (!tolerance.shown) return false;
    if (tolerance.symbol >= 0 && tolerance.symbol <= 2)
        text.Append(kToleranceSigns[tolerance.symbol]);
    NumberText value;
    WriteTolerance(static_cast<float>(tolerance.value), MainSeparators(settings), value);
    text.Append(value);
    return true;
}

}  // namespace quill
