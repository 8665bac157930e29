// A session's answers to its page's requests, in the worker process that keeps it.
#pragma once

#include "app/serve/session.h"
#include "app/serve/worker_line.h"

namespace quill::serve {

/// The answer of `session` to one request; `eventPort` is where the server's event
/// socket listens (0: none), which the page's state tells it.
WorkerAnswer AnswerRequest(Session& session, const WorkerRequest& request, int eventPort);

/// A refusal: `status` with {"error": message}.
WorkerAnswer Refusal(int status, const std::string& message);

}  // namespace quill::serve
