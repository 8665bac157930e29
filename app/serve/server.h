// The browser front end's HTTP server: the page and its modules, and one session per
// tab. Every address starts with a random token; requests without it, from another
// origin, or naming another host are refused.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

#include "app/serve/session.h"
#include "app/serve/sessions.h"

namespace quill::serve {

/// The largest drawing the page may upload, and the largest event.
inline constexpr std::size_t kLargestUpload = 32 * 1024 * 1024;
/// How long a session no tab uses is kept, by default.
inline constexpr std::chrono::minutes kDefaultIdleLimit{30};

struct ServerOptions {
    std::string address = "127.0.0.1";
    int port = 0;        // 0: a free port
    std::string webDir;  // the page's files
    SessionOptions session;
    std::string token;  // empty: a random one
    /// How long a session no tab uses is kept before it is freed, unsaved.
    std::chrono::steady_clock::duration idleLimit = kDefaultIdleLimit;
    /// Sessions kept at once, each a worker process.
    std::size_t mostSessions = kMostSessions;
};

/// Serves until Stop(); `ready` is called with the page's address once it listens.
/// False with `error` set when it cannot listen.
bool Serve(const ServerOptions& options, const std::function<void(const std::string&)>& ready,
           std::string* error);
/// Ends Serve (from a signal handler's thread, or a test).
void Stop();

}  // namespace quill::serve
