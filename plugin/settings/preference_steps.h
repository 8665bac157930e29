// The steps the reset, the read and the page write are lists of: a row of the settings
// table, the nine rows of a colour, or a step of their own that the table cannot say
// (a derived value, the panel, a family of keys that is no row). The lists are constant
// and looked up when compiled, so a key that has no row does not compile.
#pragma once

#include <array>
#include <cstddef>

#include "plugin/settings/panel_state.h"
#include "plugin/settings/preference_fields.h"
#include "plugin/settings/preference_keys.h"
#include "plugin/settings/settings_fields.h"
#include "plugin/settings/settings_record.h"

namespace quill {

/// What every step works on.
struct StepContext {
    SettingsRecord& settings;
    PanelState& panel;
};

using OwnStep = void (*)(StepContext&);

struct OrderStep {
    const SettingField* field;          // a row of the table,
    const prefkey::ColourKeys* colour;  // or the rows of a colour, kind first,
    OwnStep own;                        // or a step of its own
    OnError onError;                    // what a failed host call of a row does
};

/// The row of `key`.
constexpr OrderStep Key(const char* key, OnError onError = OnError::Stops) {
    return {&FieldOf(key), nullptr, nullptr, onError};
}

/// The keys of a colour in the stored order: the kind, grey, red, green, blue, cyan,
/// magenta, yellow and black.
constexpr std::array<const char*, 9> KeysInOrder(const prefkey::ColourKeys& keys) {
    return {keys.kind, keys.gray,    keys.red,    keys.green, keys.blue,
            keys.cyan, keys.magenta, keys.yellow, keys.black};
}

/// The rows of a colour, in the stored order.
constexpr OrderStep Colour(const prefkey::ColourKeys& keys) {
    for (const char* key : KeysInOrder(keys)) FieldOf(key);  // every one a row
    return {nullptr, &keys, nullptr, OnError::Stops};
}

constexpr OrderStep Own(OwnStep step) {
    return {nullptr, nullptr, step, OnError::Stops};
}

/// A list of steps, from a constant array.
struct StepList {
    const OrderStep* first;
    std::size_t count;
};
template <std::size_t count>
constexpr StepList Steps(const OrderStep (&steps)[count]) {
    return {steps, count};
}

/// What the list does with a row: write, reset or read it.
using RowOperation = void (*)(const SettingField&, SettingsRecord&, OnError);

/// Runs the steps in their order; the first ai::Error raised stops them.
void RunSteps(StepList steps, RowOperation operation, StepContext& context);

// Steps of their own that the reset and the read share.

/// The panel's step multipliers all off.
void SwitchOffStepMultipliers(StepContext& context);
/// The text of tolerance 1 or 2 from its value as it stands.
void RebuildFirstToleranceText(StepContext& context);
void RebuildSecondToleranceText(StepContext& context);
/// The arrowhead outline of the shape in force. The settings load before any tool is
/// current, so never as the angle tool.
void PrepareArrowOutline(StepContext& context);

}  // namespace quill
