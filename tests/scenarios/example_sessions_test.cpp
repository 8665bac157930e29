// The sessions of examples/ run to their end and leave no dimension that shows nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/example_scenario.h"
#include "support/half_built.h"

namespace quill::testing {
namespace {

TEST(ExampleSessions, LeaveNoEmptyOrZeroLengthDimension) {
    const std::filesystem::path examples = std::filesystem::path(QUILL_SOURCE_DIR) / "examples";
    int sessions = 0;
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
        if (entry.path().extension() != ".qs") continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++sessions;
        // The tool left at the end goes, and a measurement waiting for its second point
        // with it.
        std::string script = ExampleScript(entry.path().filename().string());
        if (script.find("\ntool ") != std::string::npos) script += "\ntool parameters\n";
        const Scenario s = RunExampleScenario(script);
        ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
        EXPECT_EQ(EmptyOrZeroLengthDimension(s.dump), "");
    }
    EXPECT_GT(sessions, 0);
}

}  // namespace
}  // namespace quill::testing
