// A stand-in host that runs session scripts with the plug-in library and stays open
// between them, so that a test can also send the plug-in messages of its own, as a host
// would, and look at what the host recorded.
#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "host/core/host.h"
#include "host/core/plugins.h"
#include "host/core/registrations.h"
#include "host/scripting/dump_writer.h"
#include "host/scripting/script_runner.h"

namespace quill::testing {

class PluginSession {
 public:
    /// A host with an empty document; `library` is what `startup` loads.
    explicit PluginSession(const std::string& library = QUILL_PLUGIN)
        : runner_(host_, host::RunOptions{library, ""}), library_(library) {
        Run("doc new");
    }

    /// Runs script lines; the test fails when they do not run to their end.
    void Run(const std::string& script) {
        const host::RunOutcome outcome = runner_.Run(script);
        EXPECT_EQ(outcome.exitCode, 0) << outcome.message;
    }

    host::Host& host() { return host_; }
    host::Registrations& registrations() { return host_.registrations(); }

    /// The plug-in library, loaded by `startup` or by LoadOnly.
    host::LoadedPlugin* plugin() {
        const auto& plugins = host_.plugins().plugins();
        return plugins.empty() ? nullptr : plugins.front().get();
    }
    /// Loads the library without sending it anything.
    host::LoadedPlugin* LoadOnly() {
        std::string error;
        host::LoadedPlugin* loaded = host_.plugins().Load(library_, &error);
        EXPECT_NE(loaded, nullptr) << error;
        return loaded;
    }

    /// Sends a message through the entry point; what it answered.
    ASErr Send(const char* caller, const char* selector, SPMessageData* message) {
        return host_.plugins().Send(*plugin(), caller, selector, message);
    }
    ASErr Send(const char* caller, const char* selector) {
        SPMessageData message{};
        return Send(caller, selector, &message);
    }

    /// Suites acquired more often than released.
    std::vector<std::string> SuitesHeld() {
        std::vector<std::string> held;
        for (const auto& [name, use] : host_.plugins().suiteUse())
            if (use.acquired != use.released) held.push_back(name);
        return held;
    }

    const std::vector<std::string>& alerts() { return host_.log().alerts; }
    /// The tools the plug-in registered, in palette order.
    std::vector<host::ToolRecord> PluginTools() {
        std::vector<host::ToolRecord> tools;
        for (const host::ToolRecord& tool : registrations().tools())
            if (tool.plugin != 0) tools.push_back(tool);
        return tools;
    }

    nlohmann::json Dump() { return nlohmann::json::parse(host::DumpText(host_)); }

 private:
    host::Host host_;  // outlives the runner, which makes it the current host
    host::ScriptRunner runner_;
    std::string library_;
};

}  // namespace quill::testing
