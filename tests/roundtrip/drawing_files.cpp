#include "roundtrip/drawing_files.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "support/shared_files.h"

namespace quill::roundtrip {

namespace {

namespace fs = std::filesystem;

std::vector<DrawingFile> DrawingsIn(const std::string& folder) {
    std::vector<DrawingFile> drawings;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() == ".svg")
            drawings.push_back({entry.path().stem().string(), entry.path().string()});
    std::sort(drawings.begin(), drawings.end(),
              [](const DrawingFile& a, const DrawingFile& b) { return a.name < b.name; });
    return drawings;
}

std::string Environment(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

}  // namespace

std::vector<DrawingFile> RoundTripDrawings() {
    std::vector<DrawingFile> drawings = DrawingsIn(QUILL_SOURCE_DIR "/tests/data/roundtrip");
    for (DrawingFile& corpus : DrawingsIn(quill::testing::SharedDir() + "/corpus"))
        drawings.push_back(std::move(corpus));
    return drawings;
}

std::string TestNameOf(const DrawingFile& drawing) {
    std::string name = drawing.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

std::string OutputRoot() {
    return Environment("QUILL_ROUNDTRIP_OUT", QUILL_ROUNDTRIP_OUT);
}

std::string OutputFolder(const DrawingFile& drawing, const std::string& suite) {
    const fs::path folder = fs::path(OutputRoot()) / drawing.name / suite;
    std::error_code error;
    fs::create_directories(folder, error);
    return folder.string();
}

std::string QuillProgram() {
    return Environment("QUILL_ROUNDTRIP_QUILL", QUILL_BINARY);
}

}  // namespace quill::roundtrip
