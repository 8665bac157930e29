// Other programs run by the round-trip tests (quill, inkscape, node), their output kept
// in a file so that a failure can quote it.
#pragma once

#include <string>
#include <vector>

namespace quill::roundtrip {

struct ProgramRun {
    int exitCode = -1;   // -1 when the program could not be started or was killed
    int signal = 0;      // the signal that killed it (a crash), or 0
    std::string output;  // its standard output and error, together
};

/// Runs `arguments` (the first is the program, found on PATH when it has no '/'), its
/// standard input read from `inputFile` (or empty), its output gathered in `outputFile`.
ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::string& inputFile,
                      const std::string& outputFile);

/// Writes the text; false when it cannot.
bool WriteText(const std::string& path, const std::string& text);

}  // namespace quill::roundtrip
