// The worker's side of a session's process: `quill serve --worker ...`, started by the
// server for one tab, keeps that tab's session and answers the requests of its line.
#pragma once

#include <string>
#include <vector>

#include "app/serve/session.h"

namespace quill::serve {

/// The command line that starts the worker of session `id` with `options`; `eventPort`
/// is where the server's event socket listens (0: none).
std::vector<std::string> WorkerArguments(const SessionOptions& options, const std::string& id,
                                         int eventPort);

/// Runs a worker from its command line (argv[0] "serve", argv[1] "--worker"): starts the
/// session, says whether it started, then answers the line on descriptor 3 until it
/// closes. The exit status.
int RunWorker(int argc, char** argv);

}  // namespace quill::serve
