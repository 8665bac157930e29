// Every host function that a standard session calls fails in turn, from the moment the
// plug-in has started: the session still runs to its end, the drawing's own art stays
// as it was, no dimension is left half-built (an empty group, an empty label, a path of
// fewer than two anchors, a second or untitled dimension layer), and a dimension that
// comes out with other pieces than in the clean session is told by an alert or the
// error report.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "host/core/host.h"
#include "host/scripting/dump_writer.h"
#include "host/scripting/script_runner.h"
#include "host/suites/registry.h"
#include "support/half_built.h"

namespace quill::testing {
namespace {

using nlohmann::json;

const std::string kDrawing =
    "pref Precision 1\npref UnitePrefs 6\ndoc new\n"
    "path name base : 100,100 200,100\n"
    "path name corner : 200,300 100,300 150,386.60254\n"
    "circle 400 200 50\n"
    "path name divided : 300,500 420,500\n"
    "rect 0 600 72 36\n"
    "startup\n";
// A segment, an angle, a circle, a division, a Lengths & Areas click and a panel page.
const std::string kEvents =
    "tool segment\nclick 100 100\nclick 200 100\n"
    "tool angle\ndown 100 300\ndrag 143.30127 325\nup 143.30127 325\n"
    "tool circle\ndown 435.36 235.36\ndrag 480 280\nup 480 280\n"
    "tool bezier\nclick 340 500\n"
    "tool lengths\nclick 36 600\nclick 500 800\n"
    "tool parameters\nclick 100 700\nclick 200 691\nclick 200 682\n";

struct Session {
    host::RunOutcome outcome;
    json before, after;  // the dump when the plug-in has started, and at the end
};

// Runs the drawing, then `events`; the functions called by the events go to `called`.
Session RunSession(const std::string& events, std::set<std::string>* called = nullptr) {
    host::Host host;
    Session run;
    {
        host::ScriptRunner runner(host, host::RunOptions{QUILL_PLUGIN_WITH_ERROR_LIST, ""});
        run.outcome = runner.Run(kDrawing);
        run.before = json::parse(host::DumpText(host));
        host::Faults().RecordCalls(called);
        if (run.outcome.exitCode == 0) run.outcome = runner.Run(events);
        host::Faults().RecordCalls(nullptr);
    }
    run.after = json::parse(host::DumpText(host));
    return run;
}

// The dimension groups by name, each with its number of pieces.
std::map<std::string, std::vector<std::size_t>> DimensionPieces(const json& dump) {
    std::map<std::string, std::vector<std::size_t>> pieces;
    for (const json& layer : dump["layers"])
        if (layer["title"] == "Dimensions")
            for (const json& group : layer["art"])
                pieces[group.value("name", "")].push_back(group.value("art", json::array()).size());
    return pieces;
}

// Whether a dimension that both sessions made has other pieces after the failure. A
// failing call that is not a builder's last may change a piece's look, and a failure
// while the pointer is only looked at may leave a click without effect, both without a
// word; a dimension may not lose or gain pieces without one.
bool OtherPieces(const json& failed, const json& clean) {
    const auto made = DimensionPieces(failed), expected = DimensionPieces(clean);
    for (const auto& [name, counts] : made) {
        const auto it = expected.find(name);
        if (it != expected.end() && counts != it->second) return true;
    }
    return false;
}

std::set<std::string> CalledBySession() {
    std::set<std::string> called;
    RunSession(kEvents, &called);
    return called;
}

const Session& Clean() {
    static const Session clean = RunSession(kEvents);
    return clean;
}

class FailureSweep : public ::testing::TestWithParam<std::string> {};

TEST_P(FailureSweep, TheSessionEndsWithTheDrawingWholeAndTheFailureTold) {
    const Session failed = RunSession("fail " + GetParam() + " \"PARM\"\n" + kEvents);
    ASSERT_EQ(failed.outcome.exitCode, 0) << failed.outcome.message;
    EXPECT_EQ(OwnArt(failed.after), OwnArt(failed.before));
    // A host that refuses every dispose keeps what should have gone; it is told.
    if (GetParam() != "Art.DisposeArt") {
        EXPECT_EQ(HalfBuilt(failed.after), "") << failed.after["layers"];
    }
    if (GetParam() == "Art.DisposeArt" || OtherPieces(failed.after, Clean().after)) {
        EXPECT_GT(failed.after["alerts"].size(), Clean().after["alerts"].size());
    }
}

TEST(FailureSweepBaseline, TheCleanSessionMakesEveryDimension) {
    EXPECT_EQ(Clean().outcome.exitCode, 0) << Clean().outcome.message;
    EXPECT_EQ(HalfBuilt(Clean().after), "");
    EXPECT_EQ(DimensionPieces(Clean().after).size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(EveryCalledFunction, FailureSweep, ::testing::ValuesIn(CalledBySession()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '.') c = '_';
                             return name;
                         });

}  // namespace
}  // namespace quill::testing
