#include "plugin/settings/preference_fields.h"

#include "plugin/services/ai_error.h"
#include "plugin/settings/preference_store.h"

namespace quill {
namespace {

// Room for the longest text a field holds, the font name.
constexpr std::size_t kTextRoom = kFontNameCapacity;

AIErr TryPut(const SettingField& field, const FieldValue& value) {
    switch (field.access.kind) {
        case FieldKind::Flag:
            return TryPutFlag(field.key, value.flag);
        case FieldKind::Integer:
            return TryPutInteger(field.key, value.integer);
        case FieldKind::Real:
            return TryPutReal(field.key, value.real);
        case FieldKind::Text:
            break;
    }
    return TryPutText(field.key, value.text);
}

// Reads into `value`, which holds the start of the read; `text` holds a text read.
void ReadStored(const SettingField& field, FieldValue& value, char (&text)[kTextRoom]) {
    switch (field.access.kind) {
        case FieldKind::Flag:
            ReadFlag(field.key, value.flag);
            return;
        case FieldKind::Integer:
            ReadInteger(field.key, value.integer);
            return;
        case FieldKind::Real:
            ReadReal(field.key, value.real);
            return;
        case FieldKind::Text:
            break;
    }
    field_access::Assign(text, value);
    ReadText(field.key, text, field.access.textCapacity);
    value.text = text;
}

}  // namespace

void WriteField(const SettingField& field, const SettingsRecord& settings, OnError onError) {
    const AIErr error = TryPut(field, field.access.get(settings));
    if (onError == OnError::Stops) ai::Check(error);
}

void ResetField(const SettingField& field, SettingsRecord& settings, OnError onError) {
    field.access.set(settings, field.access.get(DefaultSettings()));
    WriteField(field, settings, onError);
}

void ReadField(const SettingField& field, SettingsRecord& settings, OnError onError) {
    const FieldValue start = ReadStart(field, settings);
    FieldValue value = start;
    char text[kTextRoom];
    try {
        ReadStored(field, value, text);
    } catch (const ai::Error&) {
        if (onError == OnError::Stops) throw;
        value = start;
    }
    // A number outside the field's range is no more usable than one that could not be
    // read: the field takes the read's start, or keeps its value where the row says so.
    if (!IsWithinRange(field, value)) {
        if (field.outOfRange == OutOfRange::Refused) return;
        value = start;
    }
    field.access.set(settings, value);
}

}  // namespace quill
