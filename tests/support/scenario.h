// Runs a session script with the Quill plug-in in a fresh stand-in host and gives back
// the dump, so that scenario tests read what a user would see.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "host/scripting/dump_writer.h"
#include "host/scripting/script_runner.h"
#include "sdk/quill_vocabulary.h"
#include "support/temp_path.h"

namespace quill::testing {

// The names the plug-in and the drawing share: its tags and its cursor ids.
namespace tags = vocabulary::tags;
namespace cursors = vocabulary::cursors;

struct Scenario {
    host::RunOutcome outcome;
    nlohmann::json dump;
};

/// With QUILL_DUMP_DIR set, every scenario's script and dump are kept there, one pair per
/// run, named after the test: a change meant to keep behaviour can be compared run by run.
inline void KeepScenarioDump(const std::string& script, const std::string& dump) {
    const char* dir = std::getenv("QUILL_DUMP_DIR");
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!dir || !*dir || !test) return;
    static std::string lastTest;
    static int runInTest = 0;
    const std::string name = std::string(test->test_suite_name()) + "." + test->name();
    runInTest = name == lastTest ? runInTest + 1 : 0;
    lastTest = name;
    std::string base = std::string(dir) + "/" + name + "." + std::to_string(runInTest);
    for (char& c : base)
        if (c == '/' && &c >= &base[std::string(dir).size() + 1]) c = '_';
    std::ofstream(base + ".qs") << script;
    std::ofstream(base + ".json") << dump;
}

/// Runs the script with the built plug-in; `inspect` sees the host before it goes away.
/// The files the script names are found from `baseDir`.
template <class Inspect>
Scenario RunScenarioInspecting(const std::string& script, Inspect&& inspect,
                               const std::string& baseDir = QUILL_SOURCE_DIR) {
    host::Host host;
    Scenario scenario;
    {
        host::ScriptRunner runner(host, host::RunOptions{QUILL_DEFAULT_PLUGIN, baseDir});
        scenario.outcome = runner.Run(script);
        inspect(host);
    }
    const std::string dump = host::DumpText(host);
    KeepScenarioDump(script, dump);
    scenario.dump = nlohmann::json::parse(dump);
    return scenario;
}

inline Scenario RunScenario(const std::string& script) {
    return RunScenarioInspecting(script, [](host::Host&) {});
}

/// Runs the script; the test fails when it does not run to its end.
inline Scenario RunToEnd(const std::string& script) {
    Scenario s = RunScenario(script);
    EXPECT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    return s;
}

/// Runs the script to its end, then saves the drawing as the temporary file `name`; its
/// path.
inline std::string SavedDrawing(const std::string& name, const std::string& script) {
    const std::string file = TempPath(name);
    RunToEnd(script + "doc save " + file + "\n");
    return file;
}

/// The dump of `file` opened in a fresh host, the plug-in not started.
inline nlohmann::json OpenedDump(const std::string& file) {
    return RunScenario("doc open " + file + "\n").dump;
}

/// Points at precision 1, the settings most scenarios measure with.
inline const std::string kPointsPrefs = "pref Precision 1\npref UnitePrefs 6\n";

/// Replaces what `pattern` matches in `text` by `with` (which may name `$1`); the test
/// fails when it matches nothing, so that an edit never silently misses.
inline std::string Edited(const std::string& text, const std::string& pattern,
                          const std::string& with) {
    const std::regex re(pattern);
    EXPECT_TRUE(std::regex_search(text, re)) << pattern << " in " << text;
    return std::regex_replace(text, re, with);
}

/// Edits the file in place, as another program would.
inline void EditFile(const std::string& file, const std::string& pattern, const std::string& with) {
    const std::string text = Edited(FileText(file), pattern, with);
    std::ofstream(file, std::ios::binary) << text;
}

/// The art of the layer titled `title` (bottom to top), or null when there is none.
inline const nlohmann::json* LayerArt(const nlohmann::json& dump, const std::string& title) {
    for (const auto& layer : dump["layers"])
        if (layer["title"] == title) return &layer["art"];
    return nullptr;
}

/// The one dimension group of the layer "Dimensions"; the test fails when there is not
/// exactly one.
inline const nlohmann::json& OnlyGroup(const nlohmann::json& dump) {
    static const nlohmann::json none = nlohmann::json::object();
    const nlohmann::json* art = LayerArt(dump, "Dimensions");
    EXPECT_NE(art, nullptr);
    if (!art || art->empty()) return none;
    EXPECT_EQ(art->size(), 1u);
    return art->back();
}

/// Anchor `i` of a path piece of the dump.
inline const nlohmann::json& AnchorOf(const nlohmann::json* path, int i) {
    return (*path)["segments"][i]["p"];
}

/// A point of the dump as two numbers.
struct DumpPoint {
    double h, v;
};
inline DumpPoint PointOf(const nlohmann::json& p) {
    return {p[0].get<double>(), p[1].get<double>()};
}

#define EXPECT_POINT_NEAR(actual, h_, v_, eps)                     \
    do {                                                           \
        const auto point_ = ::quill::testing::PointOf(actual);     \
        EXPECT_NEAR(point_.h, (h_), (eps)) << "h of " << (actual); \
        EXPECT_NEAR(point_.v, (v_), (eps)) << "v of " << (actual); \
    } while (0)

/// The texts the feedback wrote beside the pointer in the dump's last annotation pass.
inline std::vector<std::string> FeedbackTexts(const nlohmann::json& dump) {
    std::vector<std::string> texts;
    for (const auto& op : dump["annotation"])
        if (op["op"] == "text") texts.push_back(op["text"]);
    return texts;
}

/// Whether the last annotation pass wrote `text`.
inline bool Shows(const nlohmann::json& dump, const std::string& text) {
    const auto texts = FeedbackTexts(dump);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

}  // namespace quill::testing
