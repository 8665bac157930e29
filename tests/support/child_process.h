// Runs part of a test in a child process: as another user, with a file size limit, in
// a mount namespace of its own. The child's exit status is its result (0: every check
// held); it says on stderr which check failed.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

namespace quill::testing {

/// The exit status of `body` run in a forked child, or -1 when it did not exit.
inline int ExitOfChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) ::_exit(body());
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

/// Counts a failed check of a child: prints it and gives 1.
inline int Failed(bool failed, const char* what) {
    if (failed) std::fprintf(stderr, "failed: %s\n", what);
    return failed ? 1 : 0;
}

}  // namespace quill::testing
