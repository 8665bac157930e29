// The builders carry on after a failing host call: the dimension under construction
// keeps its pieces and the next event makes what is missing again, and the drawing
// is never left half changed.
#include <gtest/gtest.h>

#include <string>

#include "support/half_built.h"
#include "support/scenario.h"

namespace quill::testing {
namespace {

const std::string kCurve =
    "pref Precision 1\npref UnitePrefs 6\ndoc new\n"
    "bezier name curve : M 100 500 C 150 600 250 400 300 500\n"
    "startup\ntool segment\ndown 200 500\n";

TEST(BuilderFailures, AFailedCopyOfTheCurveLineIsMadeAgainAtTheNextDrag) {
    // The first copy of a drag event (the stroked path) goes through, the second (the
    // new dimension line) fails: the old line stays and the next drag event replaces it.
    auto failed = RunScenario(kCurve + "fail Art.DuplicateArt \"PARM\" 1 after 1\n" +
                              "drag 200 510\ndrag 200 512\nup 200 512\n");
    auto clean = RunScenario(kCurve + "drag 200 510\ndrag 200 512\nup 200 512\n");
    ASSERT_EQ(failed.outcome.exitCode, 0) << failed.outcome.message;
    const nlohmann::json* art = LayerArt(failed.dump, "Dimensions");
    ASSERT_NE(art, nullptr);
    ASSERT_EQ(art->size(), 1u);
    EXPECT_EQ((*art)[0]["art"].size(), 6u);
    EXPECT_EQ(*art, *LayerArt(clean.dump, "Dimensions"));
}

TEST(BuilderFailures, AClickWhoseGroupCannotBeMadeChangesNothing) {
    auto s = RunToEnd(
        "doc new\npath name base : 100,100 200,100\nstartup\ntool segment\n"
        "fail Art.NewArt \"PARM\"\nclick 100 100\nclick 200 100\n");
    const nlohmann::json* art = LayerArt(s.dump, "Dimensions");
    EXPECT_TRUE(art == nullptr || art->empty());
    const auto& base = s.dump["layers"][0]["art"][0];
    EXPECT_EQ(base["name"], "base");
    EXPECT_FALSE(base["tags"].contains(tags::kFirstPointLink));
}

TEST(BuilderFailures, ALayerWhoseStateCannotBeReadIsNotCalledLocked) {
    for (const char* fail :
         {"fail Layer.GetLayerEditable \"PARM\"\n", "fail Layer.CountLayers \"PARM\"\n"}) {
        auto s = RunToEnd("doc new\npath : 100,100 200,100\nstartup\ntool segment\n" +
                          std::string(fail) + "click 150 100\n");
        for (const auto& alert : s.dump["alerts"])
            EXPECT_EQ(alert.get<std::string>().find("verrouillé"), std::string::npos) << fail;
        const nlohmann::json* art = LayerArt(s.dump, "Dimensions");
        EXPECT_TRUE(art == nullptr || art->empty()) << fail;
    }
}

const std::string kTwoSegments =
    "doc new\npath name base : 100,100 200,100\nstartup\ntool segment\n";

TEST(BuilderFailures, APieceTheHostWillNotFinishIsNotLeftHalfMade) {
    for (const char* fail : {"Tag.SetTag", "TextFrame.NewPointText", "TextRange.SetContents",
                             "Path.SetPathSegmentCount", "Art.ValidArt"}) {
        // Leaving the tool abandons a dimension left at its first point.
        auto s = RunToEnd(kTwoSegments + "fail " + fail + " \"PARM\" 1\n" +
                          "click 100 100\nclick 200 100\nclick 100 100\nclick 200 100\n"
                          "tool angle\n");
        EXPECT_EQ(HalfBuilt(s.dump), "") << fail;
        const nlohmann::json* art = LayerArt(s.dump, "Dimensions");
        ASSERT_NE(art, nullptr) << fail;
        EXPECT_GE(art->size(), 1u) << fail;
        EXPECT_LE(art->size(), 2u) << fail;
    }
}

TEST(BuilderFailures, APointerFarOffTheViewDrawsItsFeedbackAndPanelWithoutOverflow) {
    // Under UBSan an overflow of the view coordinates stops the run.
    for (const char* tool : {"lengths", "parameters"}) {
        RunToEnd(std::string("doc new\nstartup\ntool ") + tool +
                 "\nmove 999999999999 27.5\nclick 999999999999 27.5\nmove 999999999999 27.5\n");
    }
}

}  // namespace
}  // namespace quill::testing
