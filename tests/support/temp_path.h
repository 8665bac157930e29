// Files of a test in the temporary folder, named apart for each process (the normal and
// sanitizer builds, and other worktrees on the machine, may run the same test at once)
// and removed when the test program ends.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <set>
#include <string>

namespace quill::testing {

/// "<temporary folder>/quill_<process id>_<name>"; the file is removed at exit.
inline std::string TempPath(const std::string& name) {
    struct Removal {
        std::set<std::string> paths;
        ~Removal() {
            for (const auto& path : paths) std::remove(path.c_str());
        }
    };
    static Removal removal;
    std::string path = ::testing::TempDir() + "quill_" + std::to_string(getpid()) + "_" + name;
    removal.paths.insert(path);
    return path;
}

}  // namespace quill::testing
