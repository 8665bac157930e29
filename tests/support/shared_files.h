// The shared drawings and curve sets kept beside the repository (never copied into it):
// `../shared`, or the folder that the environment variable QUILL_SHARED_DIR names.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace quill::testing {

inline std::string SharedDir() {
    if (const char* dir = std::getenv("QUILL_SHARED_DIR")) return dir;
    return QUILL_SHARED_DIR;
}

inline std::string CorpusFile(const std::string& name) {
    return SharedDir() + "/corpus/" + name;
}

inline bool HaveCorpus() {
    return std::filesystem::is_directory(SharedDir() + "/corpus");
}

}  // namespace quill::testing

/// Skips the test, saying why, on a machine without the shared corpus.
#define QUILL_SKIP_WITHOUT_CORPUS()                                         \
    if (!::quill::testing::HaveCorpus())                                    \
    GTEST_SKIP() << "no shared corpus in " << ::quill::testing::SharedDir() \
                 << " (set QUILL_SHARED_DIR)"
