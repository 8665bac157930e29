// Runs a session script with the Quill plug-in in a fresh stand-in host and gives back
// the dump, so that scenario tests read what a user would see.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "host/scripting/dump_writer.h"
#include "host/scripting/script_runner.h"

namespace quill::testing {

struct Scenario {
    host::RunOutcome outcome;
    nlohmann::json dump;
};

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
    scenario.dump = nlohmann::json::parse(host::DumpText(host));
    return scenario;
}

inline Scenario RunScenario(const std::string& script) {
    return RunScenarioInspecting(script, [](host::Host&) {});
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

/// The whole text of a file; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
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
