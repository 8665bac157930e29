// The drawings of the round-trip tests: the collection kept in tests/data/roundtrip and
// every drawing of the shared corpus, each with a folder of its own in the build folder
// for the pictures a person looks at when it fails.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quill::roundtrip {

struct DrawingFile {
    std::string name;  // the file's name, without ".svg"
    std::string path;
};

/// A drawing in a test's name and messages: its name.
inline void PrintTo(const DrawingFile& drawing, std::ostream* out) {
    *out << drawing.name;
}

/// The collection's drawings, then the corpus's, each sorted by name.
std::vector<DrawingFile> RoundTripDrawings();

/// The drawing's name as a test's name: letters, digits and '_' only.
std::string TestNameOf(const DrawingFile& drawing);

/// Where the pictures go: $QUILL_ROUNDTRIP_OUT, or the build folder's roundtrip/.
std::string OutputRoot();

/// "<output>/<name>/<suite>", made if missing.
std::string OutputFolder(const DrawingFile& drawing, const std::string& suite);

/// The quill program whose reader and writer are judged: $QUILL_ROUNDTRIP_QUILL, or the
/// one of this build.
std::string QuillProgram();

}  // namespace quill::roundtrip
