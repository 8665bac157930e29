// The four preference groups: remembered combinations of the eight settings changed most
// often. A value is placed in a group from a parameter page and written at once; a whole
// group is recalled from the parameter chooser.
#pragma once

#include <cstdint>

#include "plugin/settings/panel_state.h"
#include "plugin/settings/settings_record.h"

namespace quill {

/// The eight values of a group, in their stored order.
enum class GroupField : int {
    TextSize,          // "CorpsPrefs…", "Corps", points
    ArrowSize,         // "ZoomPrefs…", "Zoom", percent
    LineWidth,         // "EpaisseurPrefs…", "Epaisseur", points
    ScaleNumerator,    // "EchelleNumPrefs…", "EchelleNum"
    ScaleDenominator,  // "EchelleDenPrefs…", "EchelleDen"
    ArrowShape,        // "FormePrefs…", "NumeroDeFleche"
    Unit,              // "UnitePrefs…", "UnitePrefs"
    Precision,         // "PrecisionPrefs…", "Precision"
};
constexpr int kGroupFieldCount = 8;

/// Room for the longest group key ("EchelleDenPrefsQuatre") and its zero.
constexpr int kGroupKeyCapacity = 32;

/// The store key of `field` in group `groupIndex` (0 to 3): "EchelleDenPrefsQuatre".
void GroupKey(GroupField field, int groupIndex, char (&key)[kGroupKeyCapacity]);
/// The group's value of `field`.
double& GroupValue(PreferenceGroup& group, GroupField field);

/// Writes `field` of group `groupIndex` (0 to 3) to the store; an error is ignored.
void WriteGroupValueIgnoringError(const SettingsRecord& settings, int groupIndex, GroupField field);
/// Reads `field` of group `groupIndex` (0 to 3) with `fallback`; an error is ignored and
/// leaves the fallback.
void ReadGroupValueIgnoringError(SettingsRecord& settings, int groupIndex, GroupField field,
                                 double fallback);

/// Group button `groupNumber` (1 to 4; others do nothing) of a page: copies the page's
/// setting (both scale values for the scale page) into the group, writes it at once (an
/// error is ignored), remembers the button and marks the page changed.
void PlaceInGroup(GroupButtons buttons, int groupNumber, SettingsRecord& settings,
                  PanelState& panel);

/// Group button `groupNumber` (1 to 4) of the chooser: "NumSetPrefs" and the eight settings
/// take the group's values (shape, unit and precision truncated toward zero), the scale
/// factor is recomputed and the recall mark set. The arrowhead outline of the shape in
/// force is prepared again whatever the number, also when it recalls nothing.
void RecallGroup(int groupNumber, SettingsRecord& settings, PanelState& panel);

}  // namespace quill
