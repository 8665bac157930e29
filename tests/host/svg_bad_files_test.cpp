// Damaged and hostile drawings: each is refused with one line naming the file and the
// place, never a crash. (Random bytes are the svg_reader fuzzer's.)
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "host/svg/svg.h"
#include "support/temp_path.h"

namespace {

using quill::testing::TempPath;

std::string DataPath(const std::string& name) {
    return std::string(QUILL_SOURCE_DIR) + "/tests/data/svg/" + name;
}

TEST(SvgBadFiles, RefusedWithOneLineNamingTheFileAndThePlace) {
    struct BadFile {
        const char* name;
        const char* place;  // what the message must also name: a line, an element; "" for none
        const char* line;   // the line that follows the file's name, for an element's error
    };
    const BadFile kFiles[] = {
        {"malformed_tags.svg", ":5", ""},
        {"truncated.svg", ":5", ""},
        {"unknown_unit.svg", "plank", ":3"},
        {"unknown_unit_root.svg", ":2", ""},
        {"huge_coordinate.svg", "far", ":4"},
        {"huge_radius.svg", "sun", ""},
        {"huge_transform.svg", "stretched", ""},
        {"nan_path.svg", "nan", ":3"},
        {"garbage_path.svg", "garbage", ":4"},
        {"not_svg.svg", ":2", ""},
        {"empty.svg", "", ""},
        {"binary.svg", "", ""},
        {"no_such_file.svg", "", ""},
    };
    for (const auto& bad : kFiles) {
        SCOPED_TRACE(bad.name);
        std::string path = DataPath(bad.name), error, warnings;
        auto document = host::LoadSvgDocument(path, &error, &warnings);
        EXPECT_EQ(document, nullptr);
        EXPECT_EQ(error.rfind(path + bad.line, 0), 0u) << error;  // starts with the file
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_GT(error.size(), path.size() + 2) << error;
        EXPECT_NE(error.find(bad.place), std::string::npos) << error;
    }
}

TEST(SvgBadFiles, DeepNestingIsRefusedOrRead) {
    std::string text = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">";
    const int kDepth = 20000;
    for (int i = 0; i < kDepth; ++i) text += "<g>";
    text += "<path d=\"M0 0L1 1\"/>";
    for (int i = 0; i < kDepth; ++i) text += "</g>";
    text += "</svg>";
    const std::string path = TempPath("svg_deep.svg");
    std::ofstream(path, std::ios::binary) << text;
    std::string error, warnings;
    auto document = host::LoadSvgDocument(path, &error, &warnings);
    if (!document) {
        EXPECT_EQ(error.rfind(path, 0), 0u) << error;
    }
}

}  // namespace
