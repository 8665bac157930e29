// A flange drawn by another editor as one compound path, its window a hole: the tools see
// the hole's edges as any path's. (Its saving as one path is the host's compound-path
// tests'.)
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/scenario.h"
#include "support/temp_path.h"

namespace quill::testing {
namespace {

using nlohmann::json;

const std::string kPrefs = "pref Precision 1\npref UnitePrefs 6\n";

// In points, y upwards: the plate from (50, 150) to (250, 250), the window from (120, 180)
// to (180, 220), drawn the other way round.
const char* const kFlange =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="400pt" height="300pt" viewBox="0 0 400 300">
  <path id="flange" fill="#404040" stroke="black" fill-rule="evenodd"
        d="M 50 50 H 250 V 150 H 50 Z M 120 80 V 120 H 180 V 80 Z"/>
</svg>
)";

std::string FlangeFile() {
    const std::string file = TempPath("flange.svg");
    std::ofstream(file) << kFlange;
    return file;
}

TEST(CompoundPath, TheWindowsEdgeIsDimensionedAndLinkedOnItsMember) {
    Scenario s = RunScenario(kPrefs + "doc open " + FlangeFile() +
                             "\nstartup\ntool segment\nclick 150 220\n");
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    EXPECT_EQ(OnlyGroup(s.dump)["art"].back()["contents"], "60 pt");
    const json& flange = s.dump["layers"][0]["art"][0];
    EXPECT_EQ(flange["type"], "compound");
    ASSERT_EQ(flange["art"].size(), 2u);
    EXPECT_FALSE(flange["art"][1]["tags"].empty());  // the window carries the link
}

}  // namespace
}  // namespace quill::testing
