// What a session script tells its writer: settings written while the plug-in runs wait for
// the next start-up (and `restart` gives it, the tool kept), keys the plug-in never reads
// are named, failures that inject nothing are told, and the dump gives the page's size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/event_state.h"
#include "support/scenario.h"

namespace quill::testing {
namespace {

Scenario RunKeepingWarnings(const std::string& script, std::vector<std::string>* warnings) {
    return RunScenarioInspecting(script,
                                 [&](host::Host& host) { *warnings = host.log().warnings; });
}

TEST(ScriptSession, SettingsWrittenWhileRunningWaitForARestartThatKeepsTheTool) {
    std::vector<std::string> warnings;
    auto s = RunKeepingWarnings(
        "pref Precision 1\npref UnitePrefs 6\npref TypeDeCot 1\ndoc new 300 200\n"
        "path : 100,100 200,150\nstartup\ntool angle\npref TypeDeCote 1\nrestart\n",
        &warnings);
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    EXPECT_EQ(warnings, (std::vector<std::string>{
                            "line 3: pref TypeDeCot: the plug-in has no such setting",
                            "line 8: pref TypeDeCote: takes effect at the next start-up "
                            "(restart)"}));
    EXPECT_EQ(s.dump["tool"], "angle");
    EXPECT_EQ(s.dump["page"]["width"], 300.0);
    EXPECT_EQ(s.dump["page"]["height"], 200.0);

    // After the restart the Segment tool draws the horizontal type just set.
    auto after = RunKeepingWarnings(
        "pref Precision 1\npref UnitePrefs 6\ndoc new\npath : 100,100 200,150\nstartup\n"
        "tool segment\npref TypeDeCote 1\nrestart\nclick 100 100\ndown 200 150\n"
        "drag 150 80\nup 150 80\n",
        &warnings);
    ASSERT_EQ(after.outcome.exitCode, 0) << after.outcome.message;
    const nlohmann::json* art = LayerArt(after.dump, "Dimensions");
    ASSERT_NE(art, nullptr);
    ASSERT_EQ(art->size(), 1u);
    EXPECT_EQ((*art)[0]["name"], "Segment horiz");
}

TEST(ScriptSession, FailuresThatInjectNothingAreTold) {
    std::vector<std::string> warnings;
    auto unknown = RunKeepingWarnings("doc new\nfail Nonsense.GetArtType 1\n", &warnings);
    EXPECT_EQ(unknown.outcome.exitCode, 2);
    EXPECT_NE(unknown.outcome.message.find("no suite Nonsense"), std::string::npos);
    // A function its suite does not have is an error at its line, short or full name.
    for (const std::string suite : {"Art", "AI Art Suite"}) {
        auto missing =
            RunKeepingWarnings("doc new\nfail \"" + suite + ".NoSuchFunction\" 1\n", &warnings);
        EXPECT_EQ(missing.outcome.exitCode, 2);
        EXPECT_NE(missing.outcome.message.find("line 2"), std::string::npos)
            << missing.outcome.message;
        EXPECT_NE(missing.outcome.message.find("no function NoSuchFunction"), std::string::npos);
    }
    auto unreached = RunKeepingWarnings(
        "doc new\nfail Art.DuplicateArt 1\nfail Art.NewArt 1\npath : 1,1 2,2\nstartup\n"
        "tool segment\nclick 1 1\n",
        &warnings);
    ASSERT_EQ(unreached.outcome.exitCode, 0) << unreached.outcome.message;
    EXPECT_EQ(warnings, std::vector<std::string>{
                            "fail Art.DuplicateArt: no call of Art.DuplicateArt was made"});
}

TEST(ScriptSession, GroupsNestNoDeeperThanADrawingKeepsThem) {
    std::string script = "doc new\n";
    for (int i = 0; i < 256; ++i) script += "group g\n";
    auto deep = RunScenario(script);
    EXPECT_EQ(deep.outcome.exitCode, 2);
    EXPECT_NE(deep.outcome.message.find("line 257: group"), std::string::npos);
}

TEST(ScriptSession, PointerCoordinatesInTheFilesOwnUnits) {
    // The plate is drawn in millimetres, y downwards: the top edge of its contour runs
    // from (20, 30) to (150, 30) in the file.
    auto s =
        RunToEnd("pref Precision 1\npref UnitePrefs 1\ndoc open " + std::string(QUILL_SOURCE_DIR) +
                 "/examples/plaque.svg\nstartup\ntool segment\ncoords file\n"
                 "click 20 30\ndown 150 30\ndrag 85 20\nup 85 20\n");
    const nlohmann::json* art = LayerArt(s.dump, "Dimensions");
    ASSERT_NE(art, nullptr);
    ASSERT_EQ(art->size(), 1u);
    EXPECT_EQ((*art)[0]["art"][6]["contents"], "130 mm");
}

}  // namespace
}  // namespace quill::testing
