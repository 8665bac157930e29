// Files of a test in the temporary folder, named apart for each process (the normal and
// sanitizer builds, and other worktrees on the machine, may run the same test at once)
// and removed when the test program ends; and reading a file back whole.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
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

/// The whole content of a file, byte for byte; empty when it cannot be read.
inline std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace quill::testing
