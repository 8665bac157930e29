#include "plugin/settings/settings_fields.h"

namespace quill {

FieldValue ReadStart(const SettingField& field, const SettingsRecord& settings) {
    const ReadFallback& fallback = field.fallback;
    switch (fallback.kind) {
        case FallbackKind::KeepsField:
            break;
        case FallbackKind::Default:
            return field.access.get(DefaultSettings());
        case FallbackKind::Given: {
            FieldValue value;
            value.integer = static_cast<std::int32_t>(fallback.given);
            value.real = fallback.given;
            return value;
        }
        case FallbackKind::SameAs:
            return fallback.other(settings);
    }
    return field.access.get(settings);
}

bool IsWithin(const ValueRange& range, double number) {
    if (range.least && number < *range.least) return false;
    if (range.most && number > *range.most) return false;
    return true;
}

bool IsWithinRange(const SettingField& field, const FieldValue& value) {
    switch (field.access.kind) {
        case FieldKind::Flag:
        case FieldKind::Text:
            break;
        case FieldKind::Integer:
            return IsWithin(field.range, value.integer);
        case FieldKind::Real:
            return IsWithin(field.range, value.real);
    }
    return true;
}

}  // namespace quill
