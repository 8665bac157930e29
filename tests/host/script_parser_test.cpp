#include "host/scripting/script_parser.h"

#include <gtest/gtest.h>

#include "host/scripting/dump_writer.h"

namespace host {
namespace {

TEST(ScriptParser, MistakesAreReportedWithTheirLine) {
    struct Row {
        const char* script;
        const char* error;
    } rows[] = {
        {"doc new\nfrobnicate\n", "line 2: unknown command \"frobnicate\""},
        {"\n\npath : 1,2 3\n", "line 3: path: expects points X,Y after ':'"},
        {"circle 1 2 0\n", "line 1: circle: the radius must be greater than 0"},
        {"move 1 1 hyper\n", "line 1: move: unknown key \"hyper\""},
        {"tool hammer\n", "line 1: tool: unknown tool \"hammer\""},
        {"group \"G\"\npath : 0,0 1,1\n", "line 1: group: no end"},
        {"end\n", "line 1: end: no group is open"},
        {"group G\nlayer L\nend\n", "line 2: layer: not inside a group"},
        {"pref Zoom \"open\n", "line 1: a quoted text is not closed"},
        {"fail Art.NewArt \"TOOLONG\"\n", "line 1: fail: a quoted code has four characters"},
        {"fail Art.NewArt 5 1 before 2\n", "line 1: fail: expects \"after CALLS\""},
        {"zoom 1e-40\n", "line 1: zoom: the zoom must be greater than 0"},
        {"\xEF\xBB\xBF"
         "frobnicate\n",
         "line 1: unknown command \"frobnicate\""},
        {"bezier : M 0 0 Q 1 1 2 2\n", "line 1: bezier: path data: command 'Q'"},
        {"rect 0 0 nan 1\n", "line 1: rect: \"nan\" is not a number"},
        // Finite as a double but not as the drawing's floats: refused.
        {"path : 100,100 3.5e38,100\n", "line 1: path: \"3.5e38\" is beyond 1e15"},
        {"bezier : M 0 0 L 1e308 0\n", "line 1: bezier: path data: \"1e308\" is beyond 1e15"},
        {"doc new 100\n", "line 1: doc new: expects 2 arguments"},
    };
    for (const auto& r : rows) {
        std::vector<ScriptCommand> commands;
        std::string error;
        EXPECT_FALSE(ParseScript(r.script, &commands, &error)) << r.script;
        EXPECT_EQ(error.rfind(r.error, 0), 0u) << error;
        EXPECT_TRUE(commands.empty());
    }
}

TEST(ScriptParser, APathHoldsAtMostWhatItsCountsCanSay) {
    std::string points;
    for (int i = 0; i < 32768; ++i) points += " " + std::to_string(i) + ",0";
    std::vector<ScriptCommand> commands;
    std::string error;
    EXPECT_FALSE(ParseScript("path :" + points + "\n", &commands, &error));
    EXPECT_EQ(error, "line 1: path: a path holds at most 32767 anchors");
    points.erase(points.rfind(' '));
    EXPECT_TRUE(ParseScript("path :" + points + "\n", &commands, &error)) << error;
}

TEST(ScriptParser, PathDataClosesOntoTheFirstAnchorAndCirclesGoCounterClockwise) {
    std::vector<AIPathSegment> s;
    bool closed = false;
    std::string error;
    ASSERT_TRUE(ParsePathData("M 0,0 C 0 10 20 10 20 0 L 20 -5 L 0 0 Z", &s, &closed, &error))
        << error;
    EXPECT_TRUE(closed);
    ASSERT_EQ(s.size(), 3u);  // the last L lands on the first anchor
    EXPECT_EQ(s[0].out.v, 10.0f);
    EXPECT_EQ(s[1].in.h, 20.0f);
    EXPECT_TRUE(s[1].corner);
    auto circle = CircleSegments(10, 20, 5);
    ASSERT_EQ(circle.size(), 4u);
    EXPECT_EQ(circle[0].p.h, 15.0f);
    EXPECT_EQ(circle[1].p.v, 25.0f);  // counter-clockwise, y upwards
    EXPECT_FLOAT_EQ(circle[0].out.v, static_cast<float>(20 + 0.5522847771644592 * 5));
    EXPECT_FALSE(circle[0].corner);
}

TEST(Dump, RealsRoundTripInSinglePrecisionWithNoSpuriousDigits) {
    EXPECT_EQ(nlohmann::json(DumpReal(0.1f)).dump(), "0.1");
    EXPECT_EQ(nlohmann::json(DumpReal(150.0f)).dump(), "150.0");
    EXPECT_EQ(nlohmann::json(DumpReal(2.8346457f)).dump(), "2.8346457");
    for (float v : {1.0f / 3, 123456.789f, -0.0001f, 6.2831854820251465f}) {
        double written = std::stod(nlohmann::json(DumpReal(v)).dump());
        EXPECT_EQ(static_cast<float>(written), v);
    }
}

TEST(Dump, ZoomScalesAboutTheViewCentre) {
    Host host;
    View& v = host.view();
    AIRealPoint centre{v.origin.h + v.widthPx / 2.0f, v.origin.v - v.heightPx / 2.0f};
    host.ZoomAboutCentre(4);
    EXPECT_EQ(host.view().zoom, 4.0f);
    EXPECT_NEAR(host.view().origin.h + v.widthPx / 8.0f, centre.h, 1e-3);
    EXPECT_NEAR(host.view().origin.v - v.heightPx / 8.0f, centre.v, 1e-3);
}

}  // namespace
}  // namespace host
