// Runs a session script in a fresh host with the test plug-in and gives back the dump.
#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "host/scripting/dump_writer.h"
#include "host/scripting/script_runner.h"

namespace host::testing {

struct Session {
    RunOutcome outcome;
    nlohmann::json dump;
};

/// Runs `script` with the plug-in `plugin` in a new host; `inspect` sees the host before
/// it goes away.
template <class Inspect>
Session RunSessionInspecting(const std::string& script, Inspect&& inspect,
                             const std::string& plugin = QUILL_TEST_PLUGIN) {
    Host host;
    Session session;
    {
        ScriptRunner runner(host, RunOptions{plugin, ""});
        session.outcome = runner.Run(script);
        inspect(host);
    }
    session.dump = nlohmann::json::parse(DumpText(host));
    return session;
}

inline Session RunSession(const std::string& script,
                          const std::string& plugin = QUILL_TEST_PLUGIN) {
    return RunSessionInspecting(
        script, [](Host&) {}, plugin);
}

}  // namespace host::testing
