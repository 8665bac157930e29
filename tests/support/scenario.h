// Runs a session script with the Quill plug-in in a fresh stand-in host and gives back
// the dump, so that scenario tests read what a user would see.
#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "host/scripting/dump_writer.h"
#include "host/scripting/script_runner.h"

namespace quill::testing {

struct Scenario {
    host::RunOutcome outcome;
    nlohmann::json dump;
};

/// Runs the script with the built plug-in; `inspect` sees the host before it goes away.
template <class Inspect>
Scenario RunScenarioInspecting(const std::string& script, Inspect&& inspect) {
    host::Host host;
    Scenario scenario;
    {
        host::ScriptRunner runner(host, host::RunOptions{QUILL_DEFAULT_PLUGIN, QUILL_SOURCE_DIR});
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

}  // namespace quill::testing
