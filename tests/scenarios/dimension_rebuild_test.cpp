// A click on a dimension's line rebuilds it, and a rebuild that cannot be completed leaves
// the old dimension exactly as it was: the three kinds follow one rule.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <string>

#include "support/scenario.h"
#include "support/temp_path.h"

namespace quill::testing {
namespace {

using nlohmann::json;

const std::string kPrefs = "pref Precision 1\npref UnitePrefs 6\npref RayonAngle 40.0\n";

// The Dimensions layer's art of a dump written by a `dump` line.
json DimensionsIn(const std::string& file) {
    const json dump = json::parse(FileText(file));
    const json* art = LayerArt(dump, "Dimensions");
    return art ? *art : json();
}

struct Row {
    const char* kind;
    std::string drawing, build, rebuild;
};

TEST(DimensionRebuild, ALockedLayerKeepsTheOldDimension) {
    const Row rows[] = {
        {"segment", "path name base : 100,100 200,100\n",
         "tool segment\nclick 100 100\nclick 200 100\n", "click 115 112\n"},
        {"angle", "path name corner : 200,100 100,100 150,186.60254\n",
         "tool angle\nclick 100 100\n", "click 198.19478 156.69291\n"},
        {"circle",
         "bezier name quarter : M 150 300 C 150 327.614237 127.614237 350 100 350 L 50 350\n",
         "tool circle\ndown 135.36 335.36\ndrag 200 400\nup 200 400\n", "click 217 400\n"},
    };
    const std::string before = TempPath("rebuild_locked_before.json");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        auto s = RunToEnd(kPrefs + "doc new\n" + row.drawing + "startup\n" + row.build + "dump " +
                          before + "\nlayer \"Calque 1\" locked\n" + row.rebuild);
        EXPECT_EQ(s.dump["alerts"], json::array({"Cotation impossible. Calque verrouillé."}));
        const json kept = DimensionsIn(before);
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(*LayerArt(s.dump, "Dimensions"), kept);
    }
}

TEST(DimensionRebuild, EachMissingPathIsToldAndTheOldDimensionStays) {
    // Between an anchor of "a" and one of "b"; both paths are deleted elsewhere.
    const std::string file = SavedDrawing(
        "rebuild_both_gone.svg", kPrefs +
                                     "doc new\npath name a : 100,100 100,50\npath name b : "
                                     "200,100 200,50\nstartup\ntool segment\nclick 100 100\n"
                                     "click 200 100\n");
    std::string text = FileText(file);
    for (const char* name : {"a", "b"}) {
        const std::regex path(std::string(R"(<path quill:name=")") + name + R"("[^>]*>)");
        ASSERT_TRUE(std::regex_search(text, path)) << text;
        text = std::regex_replace(text, path, "");
    }
    std::ofstream(file) << text;
    const std::string before = TempPath("rebuild_both_gone.json");
    auto s = RunToEnd(kPrefs + "doc open " + file + "\nstartup\ndump " + before +
                      "\ntool segment\nclick 115 112\n");
    const std::string notFound = "Le tracé correspondant à cette cote n'a pas été trouvé !";
    EXPECT_EQ(s.dump["alerts"], json::array({notFound, notFound}));
    EXPECT_EQ(*LayerArt(s.dump, "Dimensions"), DimensionsIn(before));
}

TEST(DimensionRebuild, ADimensionFromAMeasuredCornerIsLinkedAtBothEnds) {
    // A plate's width, then its height from the bottom-right corner, where the width's
    // extension line starts: both ends of the height are linked to the plate.
    auto s = RunToEnd(kPrefs +
                      "doc new\nrect 100 100 200 100\nstartup\ntool segment\n"
                      "click 100 100\nclick 300 100\nmove 200 150\nclick 300 100\n"
                      "click 300 200\n");
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];
    const json& groups = *LayerArt(s.dump, "Dimensions");
    ASSERT_EQ(groups.size(), 2u);
    int linkedLines = 0;
    for (const json& piece : groups[1]["art"]) {
        if (!piece["tags"].contains(tags::kSegmentMarker)) continue;
        ++linkedLines;
        for (const char* tag :
             {tags::kFirstPointLink, tags::kIndex1, tags::kSecondPointLink, tags::kIndex2})
            EXPECT_TRUE(piece["tags"].contains(tag)) << tag << piece["tags"];
        EXPECT_EQ(piece["tags"][tags::kIndex1], "1");  // the rectangle's bottom-right anchor
    }
    EXPECT_GT(linkedLines, 0);
}

}  // namespace
}  // namespace quill::testing
