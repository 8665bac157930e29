// What the host holds it saves, and what it saves it opens again: a setting that would
// put a dimension's pieces beyond the drawing's coordinates leaves them out, and the
// saved drawing reopens.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/scenario.h"

namespace quill::testing {
namespace {

TEST(DrawingLimits, PiecesBeyondTheDrawingAreRefusedAndTheSaveReopens) {
    const std::string file = ::testing::TempDir() + "far_gap.svg";
    auto s = RunToEnd(
        "pref Precision 1\npref Gap 1.0e30\ndoc new\npath : 100,100 200,100\n"
        "startup\ntool segment\nclick 100 100\ndown 200 100\ndrag 150 60\n"
        "up 150 60\ndoc save " +
        file + "\ndoc open " + file + "\n");
    const nlohmann::json* art = LayerArt(s.dump, "Calque 1");
    ASSERT_NE(art, nullptr);
    EXPECT_EQ(art->size(), 1u);  // the measured path came back
    std::remove(file.c_str());
}

}  // namespace
}  // namespace quill::testing
