// A drawing styled by a style sheet keeps it through open, dimension and save: the
// sheet and the class names stay in the file, and no rule of the sheet reaches what
// is saved, the dimension included.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <string>

#include "host/svg/render.h"
#include "support/scenario.h"

namespace quill::testing {
namespace {

const std::string kDrawing =
    std::string(QUILL_SOURCE_DIR) + "/tests/data/svg/sheet_over_shapes.svg";

std::string Rendered(const std::string& svg) {
    const std::string png = svg + ".png";
    host::RenderOptions options;
    options.widthPx = 400;
    std::string error;
    EXPECT_TRUE(host::RenderSvgToPng(svg, png, options, &error)) << error;
    std::string picture = FileText(png);
    std::remove(png.c_str());
    return picture;
}

TEST(StyleSheetSave, TheSheetAndClassesStayAndReachNothingSaved) {
    const std::string saved = ::testing::TempDir() + "quill_sheet_saved.svg";
    auto s =
        RunToEnd("pref Precision 1\npref UnitePrefs 6\ndoc open " + kDrawing +
                 "\nstartup\ntool segment\nclick 15 15\nclick 135 15\ndoc save " + saved + "\n");
    const auto* dimensions = LayerArt(s.dump, "Dimensions");
    ASSERT_TRUE(dimensions);
    ASSERT_EQ(dimensions->size(), 1u);

    const std::string text = FileText(saved);
    const std::regex sheet(R"(<style>[^<]*path \{ stroke: #ff0000;[^<]*</style>)");
    EXPECT_TRUE(std::regex_search(text, sheet)) << text;
    for (const char* kept : {R"(class="part")", R"(class="plate")", R"(class="bore")"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n" << text;

    // Without its sheet the saved file draws the same picture: every property of what
    // was saved is the element's own, also those of the dimension the file never had.
    const std::string unstyled = ::testing::TempDir() + "quill_sheet_unstyled.svg";
    std::ofstream(unstyled) << std::regex_replace(text, std::regex("<style>[^<]*</style>"),
                                                  "<style></style>");
    EXPECT_EQ(Rendered(saved), Rendered(unstyled));
    std::remove(saved.c_str());
    std::remove(unstyled.c_str());
}

}  // namespace
}  // namespace quill::testing
