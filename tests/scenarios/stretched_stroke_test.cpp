// A drawing whose strokes were stretched by their transforms, dimensioned and saved: the
// dimension measures the geometry in points, carries no stroke space of its own, and the
// stretched stroke is saved in its space.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "support/scenario.h"

namespace quill::testing {
namespace {

// Stretched three times across: the line runs from (90, 300) to (180, 300) in points.
const char* const kDrawing =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400pt\" height=\"400pt\" "
    "viewBox=\"0 0 400 400\"><g transform=\"scale(3 1)\"><path id=\"rail\" d=\"M 30 100 L 60 "
    "100\" fill=\"none\" stroke=\"black\" stroke-width=\"2\"/></g></svg>";

// Every art of the dump, groups' children included.
void ForEachArt(const nlohmann::json& arts, const std::function<void(const nlohmann::json&)>& f) {
    for (const auto& art : arts) {
        f(art);
        if (art.contains("art")) ForEachArt(art["art"], f);
    }
}

TEST(StretchedStroke, ADimensionMeasuresPointsAndTheStrokeKeepsItsSpace) {
    const std::string drawing = ::testing::TempDir() + "quill_stretched.svg";
    const std::string saved = ::testing::TempDir() + "quill_stretched_saved.svg";
    std::ofstream(drawing) << kDrawing;
    auto s =
        RunToEnd("pref Precision 1\npref UnitePrefs 6\ndoc open " + drawing +
                 "\nstartup\ntool segment\nclick 90 300\nclick 180 300\ndoc save " + saved + "\n");

    const nlohmann::json& rail = s.dump["layers"][0]["art"][0]["art"][0];
    EXPECT_EQ(rail["name"], "rail");
    ASSERT_TRUE(rail.contains("strokeSpace"));
    EXPECT_POINT_NEAR(AnchorOf(&rail, 1), 180, 300, 1e-4);
    int pieces = 0, withSpace = 0;
    ForEachArt(OnlyGroup(s.dump)["art"], [&](const nlohmann::json& art) {
        ++pieces;
        withSpace += art.contains("strokeSpace");
        if (art["type"] == "text") {
            EXPECT_EQ(art["contents"], "90 pt");
        }
    });
    EXPECT_GT(pieces, 3);
    EXPECT_EQ(withSpace, 0);

    // In the file the rail is drawn in its space, the dimension's paths in points.
    const std::string text = FileText(saved);
    auto element = [&](std::size_t at) { return text.substr(at, text.find('>', at) - at); };
    int stretched = 0, paths = 0;
    for (auto at = text.find("<path "); at != std::string::npos; at = text.find("<path ", at + 1)) {
        ++paths;
        stretched += element(at).find("transform=\"matrix(") != std::string::npos;
        if (element(at).find("quill:name=\"rail\"") != std::string::npos) {
            EXPECT_NE(element(at).find("transform=\"matrix("), std::string::npos) << element(at);
        }
    }
    EXPECT_GT(paths, 3);
    EXPECT_EQ(stretched, 1);
}

}  // namespace
}  // namespace quill::testing
