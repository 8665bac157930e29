// What the fuzz targets share: a private scratch file per process, and a stop that
// libFuzzer reports as a crash with the input that caused it.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace quill::fuzz {

/// A file name of this process's own under the temporary directory.
inline std::string ScratchFile(const std::string& name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/quill_fuzz_" + std::to_string(getpid()) +
           "_" + name;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

/// Stops the run: the input broke a promise of the host or the plug-in.
[[noreturn]] inline void Broken(const std::string& what) {
    std::fprintf(stderr, "broken: %s\n", what.c_str());
    std::abort();
}

}  // namespace quill::fuzz
