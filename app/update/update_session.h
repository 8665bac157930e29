// quill update's whole run on one drawing: open it in a stand-in host, start the plug-in,
// rebuild its dimensions, write it.
#pragma once

#include <string>
#include <vector>

#include "app/update/dimension_update.h"

namespace quill::update {

struct UpdateOptions {
    std::string plugin = QUILL_DEFAULT_PLUGIN;  // the plug-in library to load
    std::string prefs;  // a preference file whose settings win over the drawing's own
    /// Writes over the drawing read even when reading it skipped something, which the
    /// written drawing then lacks; otherwise such a drawing is refused, left as it was.
    bool overwriteWhatWasSkipped = false;
};

struct UpdateRun {
    /// Empty when the drawing was read, updated and written; otherwise why not (nothing
    /// was written then).
    std::string error;
    std::vector<std::string> warnings;  // what reading the drawing or the settings skipped
    std::string settings;               // whose settings the dimensions were rebuilt with
    std::vector<DimensionOutcome> dimensions;
    bool refusedForSkipped = false;  // nothing written: it would lose what was skipped
};

/// Updates the drawing `in` and writes it to `out` (which may be `in`: the file is
/// replaced only once written whole).
UpdateRun UpdateDrawing(const std::string& in, const std::string& out,
                        const UpdateOptions& options);

}  // namespace quill::update
