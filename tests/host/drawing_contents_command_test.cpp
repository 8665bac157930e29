// `quill inspect` shows where to click: the page, every art by name and each anchor in
// document points and in the file's own coordinates.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(QuillInspect, AnchorsInPointsAndInTheFilesOwnCoordinates) {
    const std::string out = ::testing::TempDir() + "inspect.txt";
    const std::string command =
        std::string(QUILL_BINARY) + " inspect " + QUILL_SOURCE_DIR + "/examples/plaque.svg >" + out;
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::stringstream text;
    text << std::ifstream(out).rdbuf();
    const std::string listing = text.str();
    // The plate is drawn in millimetres, y downwards, on a 200 × 140 mm page.
    EXPECT_NE(listing.find("page: 566.929 x 396.85 pt"), std::string::npos) << listing;
    EXPECT_NE(listing.find("closed path \"contour\"\n    anchor 0: 56.6929,311.811  (file 20,30)"),
              std::string::npos)
        << listing;
    EXPECT_NE(listing.find("path \"conge\""), std::string::npos);

    const int missing =
        std::system((std::string(QUILL_BINARY) + " inspect /nonexistent.svg 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(missing), 1);
    std::remove(out.c_str());
}

}  // namespace
