// Compound paths in the host: members are ordinary paths painted as one shape, which the
// art suite, the path style suite, art matching and the fill hit test all agree on.
#include <gtest/gtest.h>

#include <vector>

#include "host/geometry/art_matching.h"
#include "host/geometry/hit_test.h"
#include "host_fixture.h"

namespace host {
namespace {

class CompoundPathTest : public testing::HostTest {
 protected:
    const AIArtSuite& Art() { return suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion); }

    AIArtHandle NewArt(int16_t type, int16_t order, AIArtHandle prep, ASErr* error = nullptr) {
        AIArtHandle art = nullptr;
        const ASErr result = Art().NewArt(type, order, prep, &art);
        if (error) *error = result;
        return art;
    }

    // A square of side 100 at the origin with a square window from 30 to 70, the window
    // drawn clockwise (the square counter-clockwise) or the same way round.
    host::Art* Flange(bool evenOdd, bool windowReversed) {
        host::Art* compound = doc().NewArt(ArtKind::CompoundPath, kPlaceAboveAll, nullptr);
        compound->style.fillPaint = true;
        compound->style.evenOdd = evenOdd;
        AddMember(compound, {{0, 0}, {100, 0}, {100, 100}, {0, 100}});
        std::vector<AIRealPoint> window{{30, 30}, {70, 30}, {70, 70}, {30, 70}};
        if (windowReversed) window = {{30, 30}, {30, 70}, {70, 70}, {70, 30}};
        AddMember(compound, window);
        return compound;
    }

    void AddMember(host::Art* compound, const std::vector<AIRealPoint>& points) {
        host::Art* member = doc().NewArt(ArtKind::Path, kPlaceInsideOnTop, compound);
        std::vector<AIPathSegment> segments;
        for (AIRealPoint p : points) segments.push_back({p, p, p, 1});
        doc().SetSegments(member, segments);
        doc().SetClosed(member, true);
    }
};

TEST_F(CompoundPathTest, MembersArePathsPaintedAsTheirCompoundPath) {
    AIArtHandle compound = NewArt(kCompoundPathArt, kPlaceAboveAll, nullptr);
    ASSERT_NE(compound, nullptr);
    AIArtHandle outer = NewArt(kPathArt, kPlaceInsideOnTop, compound);
    AIArtHandle inner = NewArt(kPathArt, kPlaceInsideOnTop, compound);
    ASSERT_NE(inner, nullptr);
    int16_t type = 0;
    ASSERT_EQ(Art().GetArtType(compound, &type), kNoErr);
    EXPECT_EQ(type, kCompoundPathArt);
    ASSERT_EQ(Art().GetArtType(inner, &type), kNoErr);
    EXPECT_EQ(type, kPathArt);
    AIArtHandle parent = nullptr, child = nullptr;
    Art().GetArtParent(inner, &parent);
    Art().GetArtFirstChild(compound, &child);
    EXPECT_EQ(parent, compound);
    EXPECT_EQ(child, inner);  // the top member first
    char name[64];
    ASSERT_EQ(Art().GetArtName(compound, name, sizeof name, nullptr), kNoErr);
    EXPECT_STREQ(name, "<Tracé transparent>");

    // Only paths go inside a compound path.
    ASErr error = kNoErr;
    EXPECT_EQ(NewArt(kGroupArt, kPlaceInsideOnTop, compound, &error), nullptr);
    EXPECT_EQ(error, kBadParameterErr);
    EXPECT_EQ(NewArt(kGroupArt, kPlaceAbove, outer, &error), nullptr);

    // A member's paint is the whole shape's.
    const auto& styles = suite<AIPathStyleSuite>(kAIPathStyleSuite, kAIPathStyleSuiteVersion);
    AIPathStyle style{};
    ASSERT_EQ(styles.GetPathStyle(inner, &style), kNoErr);
    style.evenodd = true;
    style.stroke.width = 3;
    ASSERT_EQ(styles.SetPathStyle(inner, &style), kNoErr);
    for (AIArtHandle art : {compound, outer}) {
        AIPathStyle read{};
        ASSERT_EQ(styles.GetPathStyle(art, &read), kNoErr);
        EXPECT_TRUE(read.evenodd);
        EXPECT_EQ(read.stroke.width, 3);
    }

    // The plug-in's walk over paths finds the members; the compound path is found by type.
    const AIMatchingArtRule paths{kPathArt, 0, 0}, compounds{kCompoundPathArt, 0, 0};
    EXPECT_EQ(MatchingArt(doc(), &paths, 1).size(), 2u);
    EXPECT_EQ(MatchingArt(doc(), &compounds, 1).size(), 1u);
}

TEST_F(CompoundPathTest, TheFillOfAMemberLeavesOutTheHolesOfTheWhole) {
    struct Row {
        bool evenOdd, windowReversed;
        bool windowFilled;
    };
    const Row rows[] = {
        {true, false, false}, {true, true, false}, {false, true, false}, {false, false, true}};
    for (const Row& row : rows) {
        host::Art* compound = Flange(row.evenOdd, row.windowReversed);
        const Hit material =
            HitTest(doc(), host_.segmentIndex(), {15, 50}, 2, kFillHitRequest, nullptr);
        ASSERT_TRUE(material.hit);
        EXPECT_EQ(material.art->compound(), compound);
        EXPECT_EQ(material.group, compound);
        const Hit window =
            HitTest(doc(), host_.segmentIndex(), {50, 50}, 2, kFillHitRequest, nullptr);
        EXPECT_EQ(window.hit, row.windowFilled) << row.evenOdd << row.windowReversed;
        doc().Dispose(compound);
    }
}

}  // namespace
}  // namespace host
