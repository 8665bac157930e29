#include "plugin/settings/preference_groups.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "plugin/settings/preference_keys.h"
#include "plugin/settings/preference_store.h"

namespace quill {
namespace {

constexpr int kGroupNumberFirst = 1;
constexpr int kGroupNumberLast = kGroupCount;

bool IsGroupIndex(int index) {
    return index >= 0 && index < kGroupCount;
}

// Truncation toward zero of a stored real, safe on values no integer holds.
std::int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (value >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

double SettingOf(const SettingsRecord& settings, GroupField field) {
    switch (field) {
        case GroupField::TextSize:
            return settings.textSize;
        case GroupField::ArrowSize:
            return settings.arrowSize;
        case GroupField::LineWidth:
            return settings.lineWidth;
        case GroupField::ScaleNumerator:
            return settings.scaleNumerator;
        case GroupField::ScaleDenominator:
            return settings.scaleDenominator;
        case GroupField::ArrowShape:
            return settings.arrowShape;
        case GroupField::Unit:
            return settings.unit;
        case GroupField::Precision:
            break;
    }
    return settings.precision;
}

void PlaceField(GroupField field, int groupIndex, SettingsRecord& settings) {
    GroupValue(settings.groups[groupIndex], field) = SettingOf(settings, field);
    WriteGroupValueIgnoringError(settings, groupIndex, field);
}

}  // namespace

void GroupKey(GroupField field, int groupIndex, char (&key)[kGroupKeyCapacity]) {
    key[0] = '\0';
    const int fieldIndex = static_cast<int>(field);
    if (fieldIndex < 0 || fieldIndex >= kGroupFieldCount || !IsGroupIndex(groupIndex)) return;
    std::strncat(key, prefkey::kGroupFamilies[fieldIndex], kGroupKeyCapacity - 1);
    std::strncat(key, prefkey::kGroupWords[groupIndex], kGroupKeyCapacity - 1 - std::strlen(key));
}

double& GroupValue(PreferenceGroup& group, GroupField field) {
    switch (field) {
        case GroupField::TextSize:
            return group.textSize;
        case GroupField::ArrowSize:
            return group.arrowSize;
        case GroupField::LineWidth:
            return group.lineWidth;
        case GroupField::ScaleNumerator:
            return group.scaleNumerator;
        case GroupField::ScaleDenominator:
            return group.scaleDenominator;
        case GroupField::ArrowShape:
            return group.arrowShape;
        case GroupField::Unit:
            return group.unit;
        case GroupField::Precision:
            break;
    }
    return group.precision;
}

void WriteGroupValueIgnoringError(const SettingsRecord& settings, int groupIndex,
                                  GroupField field) {
    if (!IsGroupIndex(groupIndex)) return;
    char key[kGroupKeyCapacity];
    GroupKey(field, groupIndex, key);
    PreferenceGroup group = settings.groups[groupIndex];
    TryPutReal(key, GroupValue(group, field));
}

void ReadGroupValueIgnoringError(SettingsRecord& settings, int groupIndex, GroupField field,
                                 double fallback) {
    if (!IsGroupIndex(groupIndex)) return;
    char key[kGroupKeyCapacity];
    GroupKey(field, groupIndex, key);
    ReadRealIgnoringError(key, GroupValue(settings.groups[groupIndex], field), fallback);
}

void PlaceInGroup(GroupButtons buttons, int groupNumber, SettingsRecord& settings,
                  PanelState& panel) {
    if (groupNumber < kGroupNumberFirst || groupNumber > kGroupNumberLast) return;
    const int groupIndex = groupNumber - 1;
    switch (buttons) {
        case GroupButtons::Unit:
            PlaceField(GroupField::Unit, groupIndex, settings);
            break;
        case GroupButtons::Precision:
            PlaceField(GroupField::Precision, groupIndex, settings);
            break;
        case GroupButtons::Scale:
            PlaceField(GroupField::ScaleNumerator, groupIndex, settings);
            PlaceField(GroupField::ScaleDenominator, groupIndex, settings);
            break;
        case GroupButtons::ArrowShape:
            PlaceField(GroupField::ArrowShape, groupIndex, settings);
            break;
        case GroupButtons::ArrowSize:
            PlaceField(GroupField::ArrowSize, groupIndex, settings);
            break;
        case GroupButtons::LineWidth:
            PlaceField(GroupField::LineWidth, groupIndex, settings);
            break;
        case GroupButtons::TextSize:
            PlaceField(GroupField::TextSize, groupIndex, settings);
            break;
    }
    panel.lastGroupButton[static_cast<int>(buttons)] = groupNumber;
    panel.MarkChanged(PageOfGroupButtons(buttons));
}

void RecallGroup(int groupNumber, SettingsRecord& settings, PanelState& panel) {
    if (groupNumber >= kGroupNumberFirst && groupNumber <= kGroupNumberLast) {
        const PreferenceGroup& group = settings.groups[groupNumber - 1];
        settings.lastGroup = groupNumber - 1;
        settings.textSize = group.textSize;
        settings.arrowSize = group.arrowSize;
        settings.lineWidth = group.lineWidth;
        settings.SetScale(group.scaleNumerator, group.scaleDenominator);
        settings.arrowShape = TruncateToInt32(group.arrowShape);
        settings.unit = TruncateToInt32(group.unit);
        settings.precision = TruncateToInt32(group.precision);
        panel.groupRecalled = true;
    }
    // Groups are recalled from the Parameters tool, never while the angle tool is current.
    settings.PrepareArrowOutline();
}

}  // namespace quill
