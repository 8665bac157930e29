// The session scripts of examples/ run in a fresh stand-in host, as they are but for their
// saves: a test writes nothing beside the examples.
#pragma once

#include <regex>
#include <string>

#include "support/scenario.h"

namespace quill::testing {

/// The script of examples/`file` without its `doc save` lines.
inline std::string ExampleScript(const std::string& file) {
    return std::regex_replace(FileText(std::string(QUILL_SOURCE_DIR) + "/examples/" + file),
                              std::regex(R"(\n\s*doc save [^\n]*)"), "\n");
}

/// Runs a script whose files are named from examples/, as the examples name them.
inline Scenario RunExampleScenario(const std::string& script) {
    return RunScenarioInspecting(
        script, [](host::Host&) {}, std::string(QUILL_SOURCE_DIR) + "/examples");
}

}  // namespace quill::testing
