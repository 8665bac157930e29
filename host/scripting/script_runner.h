// Runs session scripts in the host, as a person would drive it: building the drawing,
// starting the plug-in, choosing tools, moving and clicking with keys held.
#pragma once

#include <string>
#include <vector>

#include "host/core/host.h"
#include "host/scripting/script_parser.h"

namespace host {

/// The prefix under which `pref` lines write the plug-in's preferences.
inline constexpr const char* kPluginPreferencePrefix = "ORLQUILL";

struct RunOptions {
    std::string pluginPath;  // the library `startup` loads
    std::string baseDir;     // relative files of the script are found from here
};

/// How a run ended: 0 at the end of the script, 2 on a script error, 1 on any other
/// failure; `message` is one line naming the line of the script.
struct RunOutcome {
    int exitCode = 0;
    std::string message;
};

class ScriptRunner {
 public:
    /// Makes `host` the current host for the runner's life.
    ScriptRunner(Host& host, RunOptions options);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    /// Parses the whole script, then runs it to its end or its first failure.
    RunOutcome Run(const std::string& scriptText);

 private:
    RunOutcome Execute(const ScriptCommand& c);
    RunOutcome RunShape(const ScriptCommand& c);
    RunOutcome RunLayer(const ScriptCommand& c);
    RunOutcome RunDocument(const ScriptCommand& c);
    RunOutcome RunPlugin(const ScriptCommand& c);
    RunOutcome RunMouse(const ScriptCommand& c);
    RunOutcome RunSettings(const ScriptCommand& c);
    std::string Resolve(const std::string& file) const;
    RunOutcome StartUp(const ScriptCommand& c);
    bool PluginRunning();
    void Warn(const ScriptCommand& c, const std::string& what);

    /// A `pref` line written before start-up, checked against what the plug-in reads.
    struct PendingPref {
        std::string key;
        int line = 0;
    };

    Host& host_;
    RunOptions options_;
    std::vector<Art*> groups_;  // groups open in the script, innermost last
    std::vector<PendingPref> pendingPrefs_;
    /// Pointer events give the coordinates of the opened file's own user space (`coords
    /// file`) rather than document points.
    bool fileCoordinates_ = false;
};

}  // namespace host
