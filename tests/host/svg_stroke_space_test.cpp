// Strokes drawn under a transform that stretches or skews them keep their shape through
// open and save, while the geometry is kept in document points.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "host/document/stroke_space.h"
#include "host/geometry/art_matching.h"
#include "host/svg_test_files.h"

namespace host::testing {
namespace {

TEST(StrokeSpace, KeptOnlyForMapsThatChangeTheStrokesShape) {
    struct Row {
        double a, b, c, d;
        bool kept;
    };
    const double s = std::sqrt(0.5);
    const Row rows[] = {
        {1, 0, 0, 1, false},     {2, 0, 0, 2, false},  {0.75, 0, 0, -0.75, false},  // y flipped
        {s, s, -s, s, false},    {s, s, s, -s, false},  // turned, turned and mirrored
        {1.5, 0, 0, -0.5, true}, {1, 0, 0.5, 1, true},  // stretched, skewed
        {1, 2, 2, 4, false},                            // flattened onto a line
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.a) + " " + std::to_string(row.b) + " " +
                     std::to_string(row.c) + " " + std::to_string(row.d));
        auto space = MakeStrokeSpace(row.a, row.b, row.c, row.d);
        ASSERT_EQ(space != nullptr, row.kept);
        if (!space) continue;
        EXPECT_NEAR(std::fabs(space->a * space->d - space->b * space->c), 1, 1e-12);
        EXPECT_NEAR(space->a / space->d, row.a / row.d, 1e-12);  // the same shape
    }
}

// The SVG of a stretched group: a stroked line, and a filled square without a stroke.
const char* const kStretched =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"200\" "
    "viewBox=\"0 0 200 200\"><g transform=\"matrix(3 0 0 1 10 20)\">"
    "<path id=\"line\" d=\"M 0 0 L 10 40 L 20 0\" fill=\"none\" stroke=\"black\" "
    "stroke-width=\"4\" stroke-dasharray=\"2 1\"/>"
    "<rect id=\"square\" width=\"10\" height=\"10\"/></g></svg>";

Art* Named(const Document& document, const std::string& name) {
    Art* found = nullptr;
    document.ForEachArt([&](Art& art) {
        if (art.name == name) found = &art;
    });
    return found;
}

TEST(StrokeSpace, AStretchedStrokeIsSavedInItsSpaceAndReadBackTheSame) {
    auto document = LoadSvgText(kStretched);
    ASSERT_TRUE(document);
    Art* line = Named(*document, "line");
    ASSERT_TRUE(line);
    ASSERT_TRUE(line->strokeSpace);
    EXPECT_FALSE(Named(*document, "square")->strokeSpace);  // nothing stroked to keep
    // Geometry in points, y upwards; the width is the mean of √3 × 4 px.
    EXPECT_FLOAT_EQ(line->segments[1].p.h, (10 + 30) * 0.75f);
    EXPECT_FLOAT_EQ(line->segments[1].p.v, (200 - 60) * 0.75f);
    EXPECT_NEAR(line->style().width, std::sqrt(3.0) * 4 * 0.75, 1e-5);
    EXPECT_NEAR(line->strokeSpace->a / -line->strokeSpace->d, 3, 1e-12);

    const std::string saved = TempSvgPath("saved.svg");
    std::string error, warnings;
    ASSERT_TRUE(SaveSvgDocument(*document, saved, &error)) << error;
    const std::string text = ReadTextFile(saved);
    EXPECT_NE(text.find("transform=\"matrix("), std::string::npos) << text;
    auto reopened = LoadSvgDocument(saved, &error, &warnings);
    ASSERT_TRUE(reopened) << error;
    Art* again = Named(*reopened, "line");
    ASSERT_TRUE(again && again->strokeSpace);
    EXPECT_EQ(again->segments.size(), line->segments.size());
    for (std::size_t i = 0; i < line->segments.size(); ++i) {
        EXPECT_EQ(again->segments[i].p.h, line->segments[i].p.h);  // exactly
        EXPECT_EQ(again->segments[i].p.v, line->segments[i].p.v);
    }
    EXPECT_EQ(again->style().width, line->style().width);
    EXPECT_EQ(again->style().dash, line->style().dash);
    EXPECT_DOUBLE_EQ(again->strokeSpace->a, line->strokeSpace->a);
    EXPECT_DOUBLE_EQ(again->strokeSpace->d, line->strokeSpace->d);
    EXPECT_EQ(ReadTextFile(saved), text);  // saved again, the same file
    ASSERT_TRUE(SaveSvgDocument(*reopened, saved, &error)) << error;
    EXPECT_EQ(ReadTextFile(saved), text);
}

TEST(StrokeSpace, FollowsTheArtWhenItIsTurnedAndIsCopiedWithIt) {
    auto document = LoadSvgText(kStretched);
    ASSERT_TRUE(document);
    Art* line = Named(*document, "line");
    ASSERT_TRUE(line && line->strokeSpace);
    const StrokeSpace before = *line->strokeSpace;
    // Moved: the same space. A quarter turn turns it.
    ASSERT_TRUE(TransformArt(*document, *line, {1, 0, 0, 1, 5, 5}, 1, kTransformObjects));
    EXPECT_EQ(line->strokeSpace->a, before.a);
    ASSERT_TRUE(TransformArt(*document, *line, {0, 1, -1, 0, 0, 0}, 1, kTransformObjects));
    ASSERT_TRUE(line->strokeSpace);
    EXPECT_NEAR(line->strokeSpace->b, before.a, 1e-12);
    EXPECT_NEAR(line->strokeSpace->c, -before.d, 1e-12);
    Art* copy = document->Duplicate(*line, kPlaceAboveAll, nullptr);
    ASSERT_TRUE(copy && copy->strokeSpace);
    EXPECT_EQ(copy->strokeSpace->b, line->strokeSpace->b);
    // Squeezed back to a round stroke, it needs no space.
    const double k = -before.d / before.a;
    ASSERT_TRUE(TransformArt(*document, *line, {1, 0, 0, static_cast<float>(k), 0, 0}, 1,
                             kTransformObjects));
    EXPECT_FALSE(line->strokeSpace);
}

}  // namespace
}  // namespace host::testing
