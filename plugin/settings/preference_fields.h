// One row of the settings table against the host's preference store, the step every
// order of the reset, the read and the page write is made of.
#pragma once

#include "plugin/settings/settings_fields.h"
#include "plugin/settings/settings_record.h"

namespace quill {

/// What a failed host call does to the order it is a step of.
enum class OnError {
    Stops,    // raises ai::Error with the host's code
    Ignored,  // a write is lost; a read leaves the field its fallback
};

/// Writes the field as it stands.
void WriteField(const SettingField& field, const SettingsRecord& settings, OnError onError);

/// Sets the field to its default, then writes it.
void ResetField(const SettingField& field, SettingsRecord& settings, OnError onError);

/// Reads the field, starting from the row's fallback, so that a key the store lacks leaves
/// that value. A failed read that stops leaves the field as it was; a stored number the
/// row refuses too.
void ReadField(const SettingField& field, SettingsRecord& settings, OnError onError);

}  // namespace quill
