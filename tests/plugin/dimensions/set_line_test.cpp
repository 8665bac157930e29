// The "serieligne" tag a set's member carries: written and read back exactly, and any
// other text refused rather than guessed at.
#include "plugin/dimensions/set_line.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(SetLine, TextsRoundTripAndBrokenOnesNameNoLine) {
    const SetLine lines[] = {{SetLineKind::Oblique, -35.25f},
                             {SetLineKind::Horizontal, 60},
                             {SetLineKind::Vertical, 1e-3f},
                             {SetLineKind::OrdinateX, 107},
                             {SetLineKind::OrdinateY, -0.5f}};
    for (const SetLine& line : lines) {
        const std::string text = SetLineText(line);
        const std::optional<SetLine> read = ParseSetLine(text.c_str());
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(read->kind, line.kind) << text;
        EXPECT_EQ(read->place, line.place) << text;
    }
    EXPECT_EQ(SetLineText({SetLineKind::Horizontal, 60}), "h 60");
    for (const char* broken : {"", "h", "h ", "h60", "q 60", "h 60x", "h nan", "h inf", "H 60"})
        EXPECT_FALSE(ParseSetLine(broken)) << '"' << broken << '"';
    EXPECT_FALSE(ParseSetLine(nullptr));
}

}  // namespace
}  // namespace quill
