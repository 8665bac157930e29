// Once the index is built, the Art suite reads a path's bounds from it: the very bounds a
// walk over the path's anchors gives, wherever the path lies, so that a rectangle takes in
// the same paths in the same order, before and after the drawing changes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/geometry/segment_index.h"
#include "host/suites/art_bounds.h"
#include "host_fixture.h"
#include "sdk/sdk.h"
#include "svg_test_files.h"

namespace host {
namespace {

// Groups, a compound path, locked and hidden art, a locked layer, a clipped group, text
// and a dimension's line; the fixture adds a path without anchors (bounds 0, 0, 0, 0).
const char* const kDrawing = R"svg(<svg xmlns="http://www.w3.org/2000/svg"
    xmlns:quill="https://quill.invalid/ns/1" width="400pt" height="300pt" viewBox="0 0 400 300">
  <defs><clipPath id="window"><circle cx="60" cy="90" r="30"/></clipPath></defs>
  <g quill:layer="Drawing">
    <path d="M 10 10 L 60 10 L 60 40 Z"/>
    <g><path d="M 100 20 C 120 0 140 40 160 20"/><g><path d="M 110 60 L 150 70"/></g></g>
    <path d="M 200 10 L 260 10 L 260 60 L 200 60 Z M 215 25 L 245 25 L 245 45 L 215 45 Z"
          fill-rule="evenodd"/>
    <path d="M 20 120 L 80 140" quill:attributes="locked"/>
    <path d="M 20 160 L 80 180" quill:attributes="hidden"/>
    <g clip-path="url(#window)"><path d="M 30 60 L 90 120 L 30 120 Z"/></g>
    <text x="200" y="150" font-family="DejaVu Sans" font-size="12">Cote</text>
    <path d="M 300 100 L 380 100" quill:tag-orl="jj"/>
  </g>
  <g quill:layer="Back" quill:layer-state="locked"><path d="M 300 200 L 390 290"/></g>
</svg>)svg";

struct Row {
    AIRealRect rectangle;  // left, top, right, bottom
    std::size_t inside;    // paths whose bounds it takes in
};

// Document points, y upwards (300 − the file's y). Edges count as inside: (10, 260)–(60, 290)
// is the first path's own box, and the point (0, 0) that of the path without anchors.
const Row kRows[] = {
    {{-1000, 1000, 1000, -1000}, 11}, {{0, 300, 400, 0}, 11},
    {{10, 290, 60, 260}, 1},          {{10, 290, 60, 260.001f}, 0},
    {{95, 305, 165, 225}, 2},         {{199, 291, 261, 239}, 2},
    {{0, 190, 100, 100}, 2},          {{25, 245, 95, 175}, 1},
    {{295, 295, 395, 5}, 2},          {{0, 0, 0, 0}, 1},
    {{500, 600, 700, 400}, 0},
};

class KeptBounds : public testing::HostTest {
 protected:
    KeptBounds() {
        host_.ReplaceDocument(testing::LoadSvgText(kDrawing));
        doc().NewArt(ArtKind::Path, kPlaceAboveAll, nullptr);
    }

    std::vector<Art*> Paths() {
        std::vector<Art*> paths;
        doc().ForEachArt([&](Art& art) {
            if (art.kind() == ArtKind::Path) paths.push_back(&art);
        });
        return paths;
    }

    // The art's bounds as the Art suite answers them.
    AIRealRect Reported(Art& art) {
        AIRealRect bounds{};
        EXPECT_EQ(artSuite.GetArtBounds(HandleOf(&art), &bounds), kNoErr);
        return bounds;
    }

    // The paths whose bounds the host's rectangle test takes in, in paint order, the
    // bounds read by `bounds`.
    template <class Bounds>
    std::vector<ObjectId> Inside(const AIRealRect& rectangle, Bounds&& bounds) {
        std::vector<ObjectId> inside;
        for (Art* path : Paths()) {
            const AIRealRect box = bounds(*path);
            AIBoolean in = false;
            EXPECT_EQ(math.AIRealRectInAIRealRect(&rectangle, &box, &in), kNoErr);
            if (in) inside.push_back(path->id());
        }
        return inside;
    }

    // Every art's bounds and every row's paths, from the index against a walk.
    void ExpectTheWalksAnswers() {
        ASSERT_NE(host_.builtSegmentIndex(), nullptr);
        auto walked = [&](Art& art) {
            return ArtBounds(art, host_.fonts()).value_or(AIRealRect{0, 0, 0, 0});
        };
        doc().ForEachArt([&](Art& art) {
            std::optional<Box> kept;
            const bool path = art.kind() == ArtKind::Path;
            EXPECT_EQ(host_.builtSegmentIndex()->KeptBounds(art, &kept), path);
            const AIRealRect reported = Reported(art), expected = walked(art);
            EXPECT_EQ(std::memcmp(&reported, &expected, sizeof reported), 0) << art.id();
        });
        for (const Row& row : kRows) {
            const std::vector<ObjectId> kept =
                Inside(row.rectangle, [&](Art& path) { return Reported(path); });
            EXPECT_EQ(kept, Inside(row.rectangle, walked));
            EXPECT_EQ(kept.size(), row.inside) << row.rectangle.left << " " << row.rectangle.top;
        }
    }

    const AIArtSuite& artSuite = suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
    const AIRealMathSuite& math = suite<AIRealMathSuite>(kAIRealMathSuite, kAIRealMathSuiteVersion);
};

TEST_F(KeptBounds, ARectangleTakesInWhatAWalkOverEveryPathTakesInThroughEdits) {
    const std::vector<Art*> paths = Paths();
    ASSERT_EQ(paths.size(), 11u);  // the compound path's two contours among them
    host_.segmentIndex();
    ExpectTheWalksAnswers();
    // A path moved away and back, a copy of the locked path, the hidden one gone.
    const std::vector<AIPathSegment> first = paths[0]->segments;
    ASSERT_TRUE(doc().SetSegments(paths[0], {{{-500, -500}, {-500, -500}, {-500, -500}, 1}}));
    EXPECT_EQ(Reported(*paths[0]).left, -500);
    ASSERT_TRUE(doc().SetSegments(paths[0], first));
    ASSERT_NE(doc().Duplicate(*paths[5], kPlaceAboveAll, nullptr), nullptr);
    ASSERT_TRUE(doc().Dispose(paths[6]));
    ExpectTheWalksAnswers();
}

}  // namespace
}  // namespace host
