// The small values the measurement texts take, read off the settings record: the
// formats of the main and second measures, the label's style, the circle's sign and the
// tolerances.
#pragma once

#include "plugin/settings/settings_record.h"
#include "plugin/text/label.h"
#include "plugin/text/measure_text.h"

namespace quill {

/// The main measure: "UnitePrefs", "Precision", "Virgule", "Separateur", "AfficheUnite".
MeasureFormat MainMeasureFormat(const SettingsRecord& settings);
/// The second measure: "SecondeUnite", "PrecisionSeconde", "VirguleSeconde", "Separateur",
/// "AfficheSecondeUnite".
MeasureFormat SecondMeasureFormat(const SettingsRecord& settings);
/// The main measure's separators, which tolerances and angles are written with too.
NumberSeparators MainSeparators(const SettingsRecord& settings);

/// Both measures, "DoubleMesure" and the marks in force.
LabelStyle LabelStyleOf(const SettingsRecord& settings);
/// "Diametre", "RouD", "RouDAvant".
CircleSign CircleSignOf(const SettingsRecord& settings);
/// Tolerance `index` (0 for tolerance 1, 1 for tolerance 2) in the main separators; an
/// index other than 0 and 1 is a tolerance that is not shown.
ToleranceStyle ToleranceStyleOf(const SettingsRecord& settings, int index);

}  // namespace quill
