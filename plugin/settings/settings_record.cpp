#include "plugin/settings/settings_record.h"

#include <cstring>

#include "plugin/text/number_writers.h"

namespace quill {

static_assert(sizeof(ToleranceSetting::text) == sizeof(NumberText),
              "a tolerance text holds what the tolerance writer writes");

const SettingsRecord& DefaultSettings() {
    static const SettingsRecord defaults;
    return defaults;
}

void SettingsRecord::SetLayerName(const char* name) {
    if (!name) name = "";
    // memmove: the name may be a part of this very field.
    size_t length = 0;
    while (length < kLayerNameCapacity - 1 && name[length]) ++length;
    std::memmove(layerName, name, length);
    layerName[length] = '\0';
    UpdateLayerNameLength();
}

void SettingsRecord::UpdateLayerNameLength() {
    layerName[kLayerNameCapacity - 1] = '\0';
    layerNameLength = static_cast<std::int32_t>(std::strlen(layerName));
}

void SettingsRecord::SetScale(double numerator, double denominator) {
    scaleNumerator = numerator;
    scaleDenominator = denominator;
    RecomputeScaleFactor();
}

void SettingsRecord::RecomputeScaleFactor() {
    scaleFactor = scaleNumerator / scaleDenominator;
}

void SettingsRecord::SetArcStyle(std::int32_t style) {
    normalArcs = style == 0;
    multipleArcs = !normalArcs;
}

void SettingsRecord::SetToleranceValue(int index, double value) {
    if (index < 0 || index > 1) return;
    tolerances[index].value = value;
    RebuildToleranceText(index);
}

void SettingsRecord::RebuildToleranceText(int index) {
    if (index < 0 || index > 1) return;
    const NumberSeparators separators{decimalSeparator, thousandsSeparator};
    WriteTolerance(static_cast<float>(tolerances[index].value), separators, tolerances[index].text);
}

bool SettingsRecord::PrepareArrowOutline() {
    return BuildArrowShape(arrowOutline, arrowShape, false);
}

void SettingsRecord::RebuildToleranceTexts() {
    RebuildToleranceText(0);
    RebuildToleranceText(1);
}

}  // namespace quill
