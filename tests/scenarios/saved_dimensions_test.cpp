// Dimensions saved in a drawing open again without a word, and links edited by hand into
// nonsense are refused without harm. (A saved dimension rebuilt on its paths moved
// elsewhere is the update tests', for each kind.)
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "host/core/event_state.h"
#include "support/scenario.h"

namespace quill::testing {
namespace {

const std::string& kPrefs = kPointsPrefs;

// A drawing with one oblique dimension between anchors 0 and 1 of "base", saved.
std::string SavedOblique(const std::string& name) {
    return SavedDrawing(name, kPrefs +
                                  "doc new\npath name base : 100,100 200,100\nstartup\n"
                                  "tool segment\nclick 100 100\nclick 200 100\n");
}

// Writes `drawing` over the file, opens it and clicks the first half of the dimension
// line: a rebuild.
Scenario ClickTheLine(const std::string& file, const std::string& drawing) {
    std::ofstream(file) << drawing;
    return RunToEnd(kPrefs + "doc open " + file +
                    "\nstartup\ntool segment\nclick 115 112\nup 115 112\n");
}

TEST(SavedDimensions, ASavedDrawingReopensWithoutAWarning) {
    // Every piece of a dimension is saved with attributes a drawing may carry (no miter
    // limit below 1), so the file reads back without a word.
    const std::string file = SavedOblique("saved_clean.svg");
    EXPECT_EQ(FileText(file).find("stroke-miterlimit=\"0\""), std::string::npos);
    std::vector<std::string> warnings{"not run"};
    auto s = RunScenarioInspecting("doc open " + file + "\n",
                                   [&](host::Host& host) { warnings = host.log().warnings; });
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    EXPECT_TRUE(warnings.empty()) << warnings.front();
}

TEST(SavedDimensions, LinksEditedByHandAreRefusedWithoutHarm) {
    const std::string file = SavedOblique("saved_edited.svg");
    const std::string text = FileText(file);
    for (const char* index : {"abc", "-1", "99", "", "1000000000000000000000"}) {
        auto s = ClickTheLine(file, Edited(text, R"(quill:tag-num2="1")",
                                           std::string("quill:tag-num2=\"") + index + "\""));
        ASSERT_EQ(s.dump["alerts"].size(), 1u) << index;
        // Read digit by digit into 16 bits, 10^21 is anchor 0: the first point again.
        EXPECT_EQ(s.dump["alerts"][0],
                  std::string(index).size() > 3
                      ? "Il faut cliquer sur deux points distincts. Cotation impossible !"
                      : "Le tracé correspondant à cette cote n'a pas été trouvé !");
        // The old dimension stays as it was.
        const auto& groups = *LayerArt(s.dump, "Dimensions");
        ASSERT_EQ(groups.size(), 1u) << index;
        EXPECT_EQ(groups[0]["art"].back()["contents"], "100 pt");
    }
    // Without its second link the dimension does not rebuild, and says nothing.
    auto s = ClickTheLine(file, Edited(text, R"(quill:tag-segpt2="0")", ""));
    EXPECT_TRUE(s.dump["alerts"].empty());
    EXPECT_EQ(LayerArt(s.dump, "Dimensions")->size(), 1u);
}

}  // namespace
}  // namespace quill::testing
