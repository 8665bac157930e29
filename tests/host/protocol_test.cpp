// The message protocol between the host and a plug-in, driven by scripts with the test
// plug-in. (What a start-up registers, as the dump shows it, is the plug-in frame scenario's.)
#include <gtest/gtest.h>

#include "host/core/plugins.h"
#include "session_fixture.h"

namespace host {
namespace {

using testing::RunSession;

constexpr const char* kDrawing = "doc new\npath name \"base\" : 0,0 100,0\n";

TEST(Protocol, MouseEventsGoToTheSelectedToolWithKeysAndAreFollowedByAPass) {
    auto s = RunSession(std::string(kDrawing) +
                        "startup\ntool segment\nmove 10 10 shift\ndown 10 10 alt\n"
                        "drag 40 30\nup 40 30\n");
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    EXPECT_EQ(s.dump["tool"], "segment");
    EXPECT_EQ(s.dump["cursor"], 21002);  // shift held while tracking
    ASSERT_EQ(s.dump["alerts"].size(), 2u);
    EXPECT_EQ(s.dump["alerts"][0], "Cotation impossible. Calque verrouillé. \u2019\u2026\u20ac");
    EXPECT_EQ(s.dump["alerts"][1], "UTF-8 é");
    const auto& art = s.dump["layers"][0]["art"];
    ASSERT_EQ(art.size(), 2u);
    EXPECT_EQ(art[1]["tags"]["orl"], "jj");
    EXPECT_EQ(art[1]["selected"], true);
    EXPECT_EQ(art[1]["segments"][1]["p"], nlohmann::json::parse("[40.0, 30.0]"));
    const auto& ops = s.dump["annotation"];
    ASSERT_EQ(ops.size(), 2u);
    // The pointer at (40, 30) is at view (40, 841.89 - 30) with the default view.
    EXPECT_EQ(ops[0]["from"], nlohmann::json::parse("[40, 812]"));
    EXPECT_EQ(ops[1]["text"].get<std::string>().rfind("n=", 0), 0u);
}

TEST(Protocol, ShutdownReleasesEverySuiteAndUnloadsUnlessAnAccessReferenceIsHeld) {
    for (bool keep : {false, true}) {
        std::map<std::string, SuiteUse> use;
        auto s =
            testing::RunSessionInspecting(std::string(kDrawing) + "startup\n" +
                                              (keep ? "pref KeepLoaded true\n" : "") + "shutdown\n",
                                          [&](Host& host) { use = host.plugins().suiteUse(); });
        ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
        EXPECT_EQ(s.dump["host"]["loaded"], keep);
        ASSERT_FALSE(use.empty());
        for (const auto& [name, counts] : use) {
            EXPECT_GT(counts.acquired, 0) << name;
            EXPECT_EQ(counts.acquired, counts.released) << name;
        }
    }
}

TEST(Protocol, EventsBeforeStartupOrToUnknownToolsAreHarmless) {
    auto s = RunSession(std::string(kDrawing) + "move 1 1\nclick 2 2\n");
    EXPECT_EQ(s.outcome.exitCode, 0);
    EXPECT_TRUE(s.dump["annotation"].empty());
    auto t = RunSession(std::string(kDrawing) + "tool segment\n");
    EXPECT_EQ(t.outcome.exitCode, 1);
    EXPECT_EQ(t.outcome.message.rfind("line 3: tool: ", 0), 0u) << t.outcome.message;
}

TEST(Protocol, APluginStartsAgainAfterShutdownButNotTwice) {
    auto again = testing::RunSession("startup\nshutdown\nstartup\ntool segment\n");
    EXPECT_EQ(again.outcome.exitCode, 0) << again.outcome.message;
    EXPECT_EQ(again.dump["host"]["loaded"], true);
    EXPECT_EQ(again.dump["tool"], "segment");
    EXPECT_EQ(again.dump["host"]["tools"].size(), 2u);  // registered once, not twice
    EXPECT_EQ(again.dump["host"]["menus"][0]["items"].size(), 1u);
    auto twice = testing::RunSession("startup\nstartup\n");
    EXPECT_EQ(twice.outcome.exitCode, 1);
    EXPECT_NE(twice.outcome.message.find("already started"), std::string::npos);
}

}  // namespace
}  // namespace host
