// Store access shared by the reset, the read and the page write for the settings that
// come in families: colours and tolerances.
#pragma once

#include "plugin/settings/preference_keys.h"
#include "plugin/settings/settings_record.h"

namespace quill {

/// Writes the kind, then grey, red, green, blue, cyan, magenta, yellow and black.
void WriteColour(const prefkey::ColourKeys& keys, const ColourSetting& colour);

/// The eight component fallbacks of a colour read, in the stored order.
struct ColourFallbacks {
    double gray, red, green, blue, cyan, magenta, yellow, black;
};

/// Reads the kind and the eight components in the stored order. Without fallbacks a field
/// keeps its value when the store holds none.
void ReadColour(const prefkey::ColourKeys& keys, ColourSetting& colour);
void ReadColour(const prefkey::ColourKeys& keys, ColourSetting& colour, std::int32_t kindFallback,
                const ColourFallbacks& fallbacks);

}  // namespace quill
