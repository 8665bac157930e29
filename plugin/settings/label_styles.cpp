#include "plugin/settings/label_styles.h"

namespace quill {
namespace {

std::int8_t ClampedPrecision(std::int32_t precision) {
    if (precision < 0) return 0;
    return static_cast<std::int8_t>(precision > kMaxPrecision ? kMaxPrecision : precision);
}

}  // namespace

NumberSeparators MainSeparators(const SettingsRecord& settings) {
    return NumberSeparators{settings.decimalSeparator, settings.thousandsSeparator};
}

MeasureFormat MainMeasureFormat(const SettingsRecord& settings) {
    MeasureFormat format;
    format.unit = settings.unit;
    format.precision = ClampedPrecision(settings.precision);
    format.separators = MainSeparators(settings);
    format.showUnit = settings.showUnit;
    format.scaleFactor = settings.scaleFactor;
    return format;
}

MeasureFormat SecondMeasureFormat(const SettingsRecord& settings) {
    MeasureFormat format;
    format.unit = settings.secondUnit;
    format.precision = ClampedPrecision(settings.secondPrecision);
    format.separators =
        NumberSeparators{settings.secondDecimalSeparator, settings.thousandsSeparator};
    format.showUnit = settings.showSecondUnit;
    format.scaleFactor = settings.scaleFactor;
    return format;
}

LabelStyle LabelStyleOf(const SettingsRecord& settings) {
    LabelStyle style;
    style.main = MainMeasureFormat(settings);
    style.second = SecondMeasureFormat(settings);
    style.doubleMeasure = settings.doubleMeasure;
    style.marks = settings.marks;
    return style;
}

CircleSign CircleSignOf(const SettingsRecord& settings) {
    return CircleSign{settings.diameter, settings.showCircleSign, settings.signBefore};
}

ToleranceStyle ToleranceStyleOf(const SettingsRecord& settings, int index) {
    ToleranceStyle style;
    if (index < 0 || index > 1) return style;
    const ToleranceSetting& tolerance = settings.tolerances[index];
    style.shown = tolerance.shown;
    style.value = tolerance.value;
    style.symbol = tolerance.symbol;
    style.separators = MainSeparators(settings);
    return style;
}

}  // namespace quill
