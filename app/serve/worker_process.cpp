#include "app/serve/worker_process.h"

#include <cstdlib>
#include <map>

#include "app/serve/session_requests.h"

namespace quill::serve {

namespace {

// The descriptor of the line to the server, as the server leaves it.
constexpr int kLine = 3;

}  // namespace

std::vector<std::string> WorkerArguments(const SessionOptions& options, const std::string& id,
                                         int eventPort) {
    // The session's id comes first, where a look at the process list finds it.
    std::vector<std::string> arguments = {"quill",
                                          "serve",
                                          "--worker",
                                          "--session",
                                          id,
                                          "--plugin",
                                          options.pluginPath,
                                          "--prefs",
                                          options.prefsPath,
                                          "--drawing",
                                          options.drawingPath,
                                          "--work",
                                          options.workDir,
                                          "--event-port",
                                          std::to_string(eventPort)};
    if (options.prefsChosen) arguments.push_back("--prefs-chosen");
    return arguments;
}

int RunWorker(int argc, char** argv) {
    std::map<std::string, std::string> values;
    SessionOptions options;
    for (int i = 2; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--prefs-chosen")
            options.prefsChosen = true;
        else if (i + 1 < argc)
            values[name] = argv[++i];
    }
    options.pluginPath = values["--plugin"];
    options.prefsPath = values["--prefs"];
    options.drawingPath = values["--drawing"];
    options.workDir = values["--work"];
    const int eventPort = std::atoi(values["--event-port"].c_str());

    std::string error;
    Session session(options, &error);
    if (!error.empty()) {
        WriteAnswer(kLine, Refusal(500, error));
        return 1;
    }
    if (!WriteAnswer(kLine, WorkerAnswer{})) return 1;
    for (WorkerRequest request; ReadRequest(kLine, &request);)
        if (!WriteAnswer(kLine, AnswerRequest(session, request, eventPort))) break;
    return 0;
}

}  // namespace quill::serve
