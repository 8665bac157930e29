// Drawings written to temporary files for the SVG tests, and read back.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "host/svg/svg.h"

namespace host::testing {

/// A path in the test's temporary folder, unique to the test and `name`.
inline std::string TempSvgPath(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return ::testing::TempDir() + "quill_" + info->test_suite_name() + "_" + info->name() + "_" +
           name;
}

inline void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// Reads `svg` as a drawing; fails the test when it cannot be read.
inline std::unique_ptr<Document> LoadSvgText(const std::string& svg,
                                             std::string* warnings = nullptr) {
    const std::string path = TempSvgPath("drawing.svg");
    WriteTextFile(path, svg);
    std::string error, ignored;
    auto document = LoadSvgDocument(path, &error, warnings ? warnings : &ignored);
    EXPECT_TRUE(document) << error;
    return document;
}

/// The first art of the first layer, in paint order (a group before its children).
inline Art* FirstArt(const Document& document, ArtKind kind) {
    Art* found = nullptr;
    document.ForEachArt([&](Art& art) {
        if (!found && art.kind() == kind) found = &art;
    });
    return found;
}

}  // namespace host::testing
