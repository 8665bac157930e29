// Real drawings from other editors come back from open and save looking as they went in,
// pictured by librsvg; dimensioned, they still look the same outside the dimension. One
// case a drawing, so that a failure names it; the pictures stay in the build folder.
#include <gtest/gtest.h>

#include <string>

#include "roundtrip/drawing_files.h"
#include "roundtrip/picture_check.h"
#include "roundtrip/quill_session.h"

namespace quill::roundtrip {
namespace {

// Around the dimension's own pixels, for antialiasing, in pixels.
constexpr int kDimensionMargin = 2;

class LibrsvgRoundTrip : public ::testing::TestWithParam<DrawingFile> {};

TEST_P(LibrsvgRoundTrip, SavedDrawingLooksAsItWentIn) {
    const DrawingFile& drawing = GetParam();
    const std::string check = "saved", folder = OutputFolder(drawing, check);
    const QuillSession session = OpenAndSave(drawing, folder, folder + "/saved.svg");
    if (!session.Failure().empty())
        FAIL() << drawing.name << ": " << RecordFailure(drawing, check, session.Failure());
    std::string error;
    auto original = RenderWithLibrsvg(drawing.path, folder + "/original.png", &error);
    auto saved = original ? RenderWithLibrsvg(folder + "/saved.svg", folder + "/saved.png", &error)
                          : std::nullopt;
    if (!saved) FAIL() << drawing.name << ": " << RecordFailure(drawing, check, error);
    const std::string verdict =
        CheckSamePictures(drawing, check, *original, *saved, {}, folder + "/diff.png");
    EXPECT_TRUE(verdict.empty()) << drawing.name << ": " << verdict;
}

// The dimension's pixels are those where the file saved with it differs from the file
// saved just before it; the rest must be the original's.
TEST_P(LibrsvgRoundTrip, DimensionedDrawingLooksAsItWentInOutsideTheDimension) {
    const DrawingFile& drawing = GetParam();
    const std::string check = "dimensioned", folder = OutputFolder(drawing, check);
    const std::string failure =
        OpenDimensionAndSave(drawing, folder, folder + "/plain.svg", folder + "/saved.svg");
    if (!failure.empty()) FAIL() << drawing.name << ": " << RecordFailure(drawing, check, failure);
    std::string error;
    auto original = RenderWithLibrsvg(drawing.path, folder + "/original.png", &error);
    auto plain = original ? RenderWithLibrsvg(folder + "/plain.svg", folder + "/plain.png", &error)
                          : std::nullopt;
    auto saved = plain ? RenderWithLibrsvg(folder + "/saved.svg", folder + "/saved.png", &error)
                       : std::nullopt;
    if (!saved) FAIL() << drawing.name << ": " << RecordFailure(drawing, check, error);
    const std::string verdict =
        CheckSamePictures(drawing, check, *original, *saved,
                          Footprint(*plain, *saved, kDimensionMargin), folder + "/diff.png");
    EXPECT_TRUE(verdict.empty()) << drawing.name << ": " << verdict;
}

INSTANTIATE_TEST_SUITE_P(Drawings, LibrsvgRoundTrip, ::testing::ValuesIn(RoundTripDrawings()),
                         [](const auto& info) { return TestNameOf(info.param); });

}  // namespace
}  // namespace quill::roundtrip
