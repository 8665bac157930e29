// The settings a dimension's pieces show (its kind, dashes, second measure, text size,
// tolerances, arrowheads), which its rebuild must be made with so that it looks like the
// one it replaces.
#pragma once

#include <map>
#include <string>

#include "app/update/dimension_survey.h"
#include "host/prefs/preference_store.h"

namespace quill::update {

/// Settings by preference key.
struct ShownSettings {
    std::map<std::string, host::PreferenceValue> values;

    /// The same text for the same settings: what dimensions are grouped by.
    std::string Key() const;
};

/// What the pieces of `group`, a dimension of `kind`, show of the settings they were
/// made with: "TypeDeCote" from a segment dimension's name, "Diametre" from a circle
/// dimension's, "TraitsPointilles" with "TiretUn" and "TrouUn" from a segment's line,
/// "Corps" and "DoubleMesure" from its label, "AvecToleranceUn" and "AvecToleranceDeux"
/// from the texts beside it, "NumeroDeFleche" and "Zoom" from an arrowhead.
ShownSettings SettingsShownBy(const host::Art& group, DimensionKind kind);

/// Of `shown`, the settings whose value differs from the store's under `prefix`.
ShownSettings DifferingFrom(const ShownSettings& shown, const host::PreferenceStore& store,
                            const std::string& prefix);

}  // namespace quill::update
