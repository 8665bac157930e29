// Moving the settings between the settings record and the host's preference store (prefix
// "ORLQUILL"). Every operation runs on the host's thread inside one host message. A failed
// write shows the write alert and stops, a failed read the read alert; the fields already
// set keep their new values. Each returns the first error code met, or zero.
#pragma once

#include "plugin/settings/panel_state.h"
#include "plugin/settings/settings_record.h"
#include "sdk/types.h"

namespace quill {

/// At start-up, while the tools are registered: the reset on the first start (the store
/// holds no "Precision"), the read on every later one. Its result is not used by the caller.
AIErr LoadPreferences();

/// Sets every field to its default and writes it at once, in the storage order; the
/// font is the host's first font.
AIErr ResetPreferences(SettingsRecord& settings, PanelState& panel);

/// Reads every key, each field starting from its fallback; a stored precision outside 0..6
/// runs the reset instead and reports success.
AIErr ReadPreferences(SettingsRecord& settings, PanelState& panel);

/// At mouse-up in the Parameters tool: writes the keys of the first open page, then
/// "NumSetPrefs" when a group was recalled, then runs the panel's closing step.
AIErr WritePanelPage(SettingsRecord& settings, PanelState& panel);

}  // namespace quill
