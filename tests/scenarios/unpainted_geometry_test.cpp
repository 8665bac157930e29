// Paths a drawing fills without a stroke, or paints not at all, are measured like any
// other: their anchors and edges are found under the pointer.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/scenario.h"
#include "support/temp_path.h"

namespace quill::testing {
namespace {

TEST(UnpaintedGeometry, AnchorsAndEdgesOfUnstrokedPathsAreMeasured) {
    // In points (96 px to the inch, y upwards): the filled rectangle from (75, 187.5) to
    // (150, 225), the unpainted one from (187.5, 187.5) to (262.5, 225).
    const std::string file = TempPath("unpainted.svg");
    std::ofstream(file) << R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="400">
  <rect x="100" y="100" width="100" height="50" fill="#c00" stroke="none"/>
  <rect x="250" y="100" width="100" height="50" fill="none" stroke="none"/>
</svg>)";
    auto s = RunToEnd("pref Precision 1\npref UnitePrefs 6\ndoc open " + file +
                      "\nstartup\ntool segment\nclick 75 225\nclick 150 225\n"
                      "click 225 225\n");
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    const nlohmann::json& groups = *LayerArt(s.dump, "Dimensions");
    ASSERT_EQ(groups.size(), 2u);
    for (const nlohmann::json& group : groups) EXPECT_EQ(group["art"].back()["contents"], "75 pt");
    // Between two anchors of the filled one; along an edge of the unpainted one.
    EXPECT_TRUE(groups[0]["art"][2]["tags"].contains(tags::kSecondPointLink))
        << groups[0]["art"][2]["tags"];
    EXPECT_TRUE(groups[1]["art"][2]["tags"].contains(tags::kSegmentLink))
        << groups[1]["art"][2]["tags"];
}

}  // namespace
}  // namespace quill::testing
