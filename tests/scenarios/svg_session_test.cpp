// Drawings saved and opened by session scripts, as a person would: what a script opened
// comes back from its saved file the same in the dump, and a damaged file leaves the open
// drawing as it was.
#include <gtest/gtest.h>

#include "support/shared_files.h"

#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "host/core/event_state.h"
#include "host/scripting/dump_writer.h"
#include "host/scripting/script_runner.h"
#include "support/temp_path.h"

namespace {

using quill::testing::TempPath;

// Geometry may move this much (points) through a file; every other value comes back exact.
constexpr double kGeometryTolerance = 1e-4;

struct ScriptRun {
    host::RunOutcome outcome;
    nlohmann::json dump;  // the host as the run left it
};

// Runs the script in a fresh host without a plug-in.
ScriptRun RunScript(const std::string& script) {
    host::Host host;
    ScriptRun run;
    {
        host::ScriptRunner runner(host, host::RunOptions{"", ""});
        run.outcome = runner.Run(script);
    }
    run.dump = nlohmann::json::parse(host::DumpText(host));
    return run;
}

nlohmann::json ReadDump(const std::string& name) {
    std::ifstream in(TempPath(name));
    return nlohmann::json::parse(in, nullptr, false);
}

// The first place where two dumps differ beyond the tolerance, or "".
std::string Difference(const nlohmann::json& a, const nlohmann::json& b, const std::string& at) {
    if (a.is_number() && b.is_number()) {
        double x = a.get<double>(), y = b.get<double>();
        return std::fabs(x - y) <= kGeometryTolerance ? ""
                                                      : at + ": " + a.dump() + " vs " + b.dump();
    }
    if (a.type() != b.type()) return at + ": " + a.dump() + " vs " + b.dump();
    if (a.is_array()) {
        if (a.size() != b.size())
            return at + ": " + std::to_string(a.size()) + " vs " + std::to_string(b.size()) +
                   " entries";
        for (std::size_t i = 0; i < a.size(); ++i)
            if (auto d = Difference(a[i], b[i], at + "[" + std::to_string(i) + "]"); !d.empty())
                return d;
        return "";
    }
    if (a.is_object()) {
        for (auto it = a.begin(); it != a.end(); ++it) {
            if (!b.contains(it.key())) return at + "." + it.key() + ": missing after reopening";
            if (auto d = Difference(it.value(), b[it.key()], at + "." + it.key()); !d.empty())
                return d;
        }
        for (auto it = b.begin(); it != b.end(); ++it)
            if (!a.contains(it.key())) return at + "." + it.key() + ": new after reopening";
        return "";
    }
    return a == b ? "" : at + ": " + a.dump() + " vs " + b.dump();
}

// Saves what the script made, opens it in a new document and dumps both.
std::string SaveAndReopen(const std::string& name) {
    std::string saved = TempPath(name + ".svg");
    return "dump " + TempPath(name + "_before.json") + "\ndoc save " + saved +
           "\ndoc new\ndoc open " + saved + "\ndump " + TempPath(name + "_after.json") + "\n";
}

TEST(SvgSession, ADamagedFileIsRefusedAndTheOpenDrawingKept) {
    std::string damaged = std::string(QUILL_SOURCE_DIR) + "/tests/data/svg/nan_path.svg";
    ScriptRun run = RunScript(
        "doc new 100 100\nlayer Gardé\npath name témoin : 1,2 3,4\n"
        "doc open " +
        damaged + "\n");
    EXPECT_EQ(run.outcome.exitCode, 2);
    EXPECT_EQ(run.outcome.message.rfind("line 4: doc open: " + damaged, 0), 0u)
        << run.outcome.message;

    ASSERT_EQ(run.dump["layers"].size(), 2u);
    EXPECT_EQ(run.dump["layers"][1]["title"], "Gardé");
    EXPECT_EQ(run.dump["layers"][1]["art"][0]["name"], "témoin");
}

class CorpusThroughScripts : public ::testing::TestWithParam<const char*> {};

// Everything read from a real drawing is written so that it reads back the same.
TEST_P(CorpusThroughScripts, SavedAndReopenedDumpsTheSame) {
    QUILL_SKIP_WITHOUT_CORPUS();
    std::string name = GetParam();
    std::string stem = name.substr(0, name.size() - 4);
    std::string script =
        "doc open " + quill::testing::CorpusFile(name) + "\n" + SaveAndReopen("corpus_" + stem);
    ScriptRun run = RunScript(script);
    ASSERT_EQ(run.outcome.exitCode, 0) << run.outcome.message;
    nlohmann::json before = ReadDump("corpus_" + stem + "_before.json");
    nlohmann::json after = ReadDump("corpus_" + stem + "_after.json");
    ASSERT_FALSE(before["layers"].empty());
    EXPECT_EQ(Difference(before["layers"], after["layers"], "layers"), "");
}

INSTANTIATE_TEST_SUITE_P(
    SharedCorpus, CorpusThroughScripts,
    ::testing::Values("build123d__lego.svg", "build123d__svg_import_test.svg",
                      "build123d__tech_drawing.svg", "cadquery__box_default_options.svg",
                      "fritzing__Stepper_Motor_Bipolar_breadboard_leg.svg",
                      "fritzing__arduino_Uno_Rev3_pcb.svg", "fritzing__hc-sr04_bf8299a_002.svg",
                      "svgpathtools__groups.svg", "svgpathtools__transforms.svg",
                      "w3c__coords-trans-01-b.svg", "w3c__coords-units-03-b.svg"),
    [](const ::testing::TestParamInfo<const char*>& info) {
        std::string test = info.param;
        test = test.substr(0, test.find(".svg"));
        for (char& c : test)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return test;
    });

}  // namespace
