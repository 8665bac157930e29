// The comparison behind the round-trip verdicts: what counts as a differing pixel, what is
// left out, how far a renderer's edge may move; and which two points the dimension takes.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "roundtrip/picture_diff.h"
#include "roundtrip/quill_session.h"

namespace quill::roundtrip {
namespace {

Picture White(int width, int height) {
    return Picture{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 3, 255)};
}

void Paint(Picture& picture, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::uint8_t* p = &picture.rgb[(std::size_t(y) * picture.width + x) * 3];
    p[0] = r, p[1] = g, p[2] = b;
}

TEST(PictureDiff, CountsPixelsBeyondATenthOfFullScale) {
    struct Row {
        const char* what;
        std::uint8_t red;  // of pixel (2, 2) in the second picture
        int reach;
        bool maskIt;
        long long differing, compared;
    } rows[] = {
        {"the same", 255, 0, false, 0, 25},
        {"25 of 255 off: within", 230, 0, false, 0, 25},
        {"26 of 255 off: differs", 229, 0, false, 1, 25},
        {"black on white", 0, 0, false, 1, 25},
        {"left out by the mask", 0, 0, true, 0, 24},
        {"a lone dot has no match nearby", 0, 1, false, 1, 25},
    };
    for (const Row& row : rows) {
        Picture a = White(5, 5), b = White(5, 5);
        Paint(b, 2, 2, row.red, 255, 255);
        PixelMask mask;
        if (row.maskIt) {
            mask.assign(25, false);
            mask[2 * 5 + 2] = true;
        }
        const PictureDifference d = ComparePictures(a, b, mask, row.reach, nullptr);
        EXPECT_EQ(d.differing, row.differing) << row.what;
        EXPECT_EQ(d.compared, row.compared) << row.what;
    }
}

TEST(PictureDiff, AnEdgeOnePixelOverDiffersOnlyWithoutReach) {
    Picture a = White(6, 4), b = White(6, 4);
    for (int y = 0; y < 4; ++y) Paint(a, 2, y, 0, 0, 0), Paint(b, 3, y, 0, 0, 0);
    EXPECT_EQ(ComparePictures(a, b, {}, 0, nullptr).differing, 8);
    EXPECT_EQ(ComparePictures(a, b, {}, 1, nullptr).differing, 0);
}

TEST(PictureDiff, SidesMayDifferByOnePixelOnly) {
    EXPECT_TRUE(ComparePictures(White(10, 10), White(11, 9), {}, 0, nullptr).sizeMismatch.empty());
    EXPECT_EQ(ComparePictures(White(10, 10), White(11, 9), {}, 0, nullptr).compared, 90);
    EXPECT_EQ(ComparePictures(White(10, 10), White(12, 10), {}, 0, nullptr).sizeMismatch,
              "10x10 vs 12x10");
}

TEST(PictureDiff, TheFootprintIsWhatChangedWidenedByTheMargin) {
    Picture without = White(7, 7), with = White(7, 7);
    Paint(with, 3, 3, 254, 255, 255);  // the faintest change counts
    const PixelMask mask = Footprint(without, with, 1);
    int marked = 0;
    for (bool m : mask) marked += m;
    EXPECT_EQ(marked, 9);
    EXPECT_TRUE(mask[2 * 7 + 2]);
    EXPECT_FALSE(mask[1 * 7 + 1]);
    EXPECT_TRUE(Footprint(White(3, 3), White(4, 3), 1).empty());
}

nlohmann::json Drawing(nlohmann::json art) {
    return {
        {"page", {{"width", 100}, {"height", 50}}},
        {"layers", {{{"title", "Calque 1"}, {"visible", true}, {"locked", false}, {"art", art}}}}};
}

nlohmann::json Path(std::vector<std::pair<double, double>> points, bool hidden = false) {
    nlohmann::json segments = nlohmann::json::array();
    for (auto [x, y] : points) segments.push_back({{"p", {x, y}}});
    return {{"type", "path"}, {"hidden", hidden}, {"segments", segments}};
}

TEST(ChooseAnchors, TakesTwoAnchorsOfOnePathAboutAThirdOfThePageApart) {
    struct Row {
        const char* what;
        nlohmann::json art;
        AnchorPair expected;
    } rows[] = {
        {"the first anchor and the farthest one",
         {Path({{10, 10}, {20, 10}, {40, 10}})},
         {10, 10, 40, 10}},
        {"the span nearest 30 points wins",
         {Path({{0, 0}, {90, 0}}), Path({{5, 5}, {5, 33}})},
         {5, 5, 5, 33}},
        {"a hidden path is not clicked",
         {Path({{0, 0}, {30, 0}}, true), Path({{1, 1}, {80, 1}})},
         {1, 1, 80, 1}},
        {"anchors off the page are not either", {Path({{-50, 0}, {-20, 0}})}, {35, 25, 65, 25}},
        {"inside groups too",
         {{{"type", "group"}, {"art", {Path({{2, 2}, {2, 31}})}}}},
         {2, 2, 2, 31}},
    };
    for (const Row& row : rows) {
        const AnchorPair a = ChooseAnchors(Drawing(row.art));
        EXPECT_DOUBLE_EQ(a.x1, row.expected.x1) << row.what;
        EXPECT_DOUBLE_EQ(a.y1, row.expected.y1) << row.what;
        EXPECT_DOUBLE_EQ(a.x2, row.expected.x2) << row.what;
        EXPECT_DOUBLE_EQ(a.y2, row.expected.y2) << row.what;
    }
}

}  // namespace
}  // namespace quill::roundtrip
