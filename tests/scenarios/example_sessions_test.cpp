// The sessions of examples/ run to their end and leave no dimension that shows nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "support/half_built.h"
#include "support/scenario.h"

namespace quill::testing {
namespace {

TEST(ExampleSessions, LeaveNoEmptyOrZeroLengthDimension) {
    const std::filesystem::path examples = std::filesystem::path(QUILL_SOURCE_DIR) / "examples";
    int sessions = 0;
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
        if (entry.path().extension() != ".qs") continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++sessions;
        // Run as they are, but for their saves (the test writes nothing beside them), and
        // the tool left at the end: a measurement waiting for its second point goes with it.
        std::string script = std::regex_replace(ReadFile(entry.path().string()),
                                                std::regex(R"(\n\s*doc save [^\n]*)"), "\n");
        if (script.find("\ntool ") != std::string::npos) script += "\ntool parameters\n";
        host::Host host;
        host::ScriptRunner runner(host, host::RunOptions{QUILL_DEFAULT_PLUGIN, examples.string()});
        const host::RunOutcome outcome = runner.Run(script);
        ASSERT_EQ(outcome.exitCode, 0) << outcome.message;
        const auto dump = nlohmann::json::parse(host::DumpText(host));
        EXPECT_EQ(EmptyOrZeroLengthDimension(dump), "");
    }
    EXPECT_GT(sessions, 0);
}

}  // namespace
}  // namespace quill::testing
