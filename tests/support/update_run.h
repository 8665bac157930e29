// `quill update` run on a saved drawing with the plug-in this build made, as the command
// would run it.
#pragma once

#include <string>

#include "app/update/update_report.h"
#include "app/update/update_session.h"

namespace quill::testing {

/// Updates `in` into `out`; `prefs` is the preference file whose settings win, if any.
inline update::UpdateRun UpdateWithBuiltPlugin(const std::string& in, const std::string& out,
                                               const std::string& prefs = "") {
    update::UpdateOptions options;
    options.plugin = QUILL_PLUGIN;
    options.prefs = prefs;
    return update::UpdateDrawing(in, out, options);
}

}  // namespace quill::testing
