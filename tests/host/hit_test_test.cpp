#include "host/geometry/hit_test.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "host/geometry/bezier.h"
#include "host_fixture.h"

namespace host {
namespace {

class HitTestTest : public testing::HostTest {
 protected:
    Hit At(float x, float y, int request, float tolerance = 4) {
        return HitTest(doc(), host_.segmentIndex(), {x, y}, tolerance, request, nullptr);
    }
};

TEST_F(HitTestTest, AnchorsSegmentsCentresAndFills) {
    Art* square = Polyline({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, true);
    Hit hit = At(101, 2, kPointHitRequest);
    ASSERT_TRUE(hit.hit);
    EXPECT_EQ(hit.art, square);
    EXPECT_EQ(hit.type, kAnchorPointType);
    EXPECT_EQ(hit.segment, 1);
    // The closing segment, from anchor 3 to anchor 0, reports end anchor 0.
    hit = At(-2, 50, kSegmentHitRequest);
    ASSERT_TRUE(hit.hit);
    EXPECT_EQ(hit.type, kSegmentType);
    EXPECT_EQ(hit.segment, 0);
    EXPECT_NEAR(hit.point.h, 0, 1e-4);
    EXPECT_NEAR(hit.point.v, 50, 1e-3);
    hit = At(50, -3, kSegmentHitRequest);
    EXPECT_EQ(hit.segment, 1);
    EXPECT_NEAR(hit.t, 0.5, 1e-4);  // t of the curve, not of the chord
    EXPECT_FALSE(At(50, -5, kSegmentHitRequest).hit);
    // The centre of a closed path is a snapped point; the inside hits only when filled.
    hit = At(51, 49, kPointHitRequest);
    ASSERT_TRUE(hit.hit);
    EXPECT_EQ(hit.type, kCenterPointType);
    EXPECT_FALSE(At(30, 30, kFillHitRequest).hit);
    square->editStyle().fillPaint = true;
    hit = At(30, 30, kAllHitRequest);
    EXPECT_EQ(hit.type, kFillType);
    EXPECT_FALSE(At(130, 30, kFillHitRequest).hit);
}

TEST_F(HitTestTest, LockedHiddenAndLayersAreNeverHitAndTheTopmostWins) {
    Art* bottom = Polyline({{0, 0}, {100, 0}});
    Art* top = Polyline({{0, 2}, {100, 2}});
    EXPECT_EQ(At(50, 1.5f, kSegmentHitRequest).art, top);      // the nearer one
    EXPECT_EQ(At(50, -0.5f, kSegmentHitRequest).art, bottom);  // clearly nearer, painted under
    EXPECT_EQ(At(50, 0.5f, kSegmentHitRequest).art, top);      // within a point: the topmost
    top->attributes |= kArtLocked;
    EXPECT_EQ(At(50, 1.5f, kSegmentHitRequest).art, bottom);
    top->attributes = kArtHidden;
    EXPECT_EQ(At(50, 1.5f, kSegmentHitRequest).art, bottom);
    doc().currentLayer()->visible = false;
    EXPECT_FALSE(At(50, 1.5f, kSegmentHitRequest).hit);
    doc().currentLayer()->visible = true;
    doc().currentLayer()->locked = true;
    EXPECT_FALSE(At(50, 1.5f, kAllHitRequest).hit);
    doc().currentLayer()->locked = false;
    // A locked group locks what it holds.
    Art* group = doc().NewArt(ArtKind::Group, kPlaceAboveAll, nullptr);
    doc().Move(bottom, kPlaceInsideOnTop, group);
    group->attributes = kArtLocked;
    EXPECT_FALSE(At(50, 1.5f, kSegmentHitRequest).hit);
    group->attributes = 0;
    const Hit hit = At(50, 0.5f, kSegmentHitRequest);
    EXPECT_EQ(hit.art, bottom);
    EXPECT_EQ(hit.group, group);
}

// Against brute force: the nearest point found by dense sampling of every segment.
TEST_F(HitTestTest, SegmentHitsAgreeWithDenseSampling) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> at(0, 200), handle(-60, 60);
    for (int i = 0; i < 40; ++i) {
        AIRealPoint a{at(random), at(random)}, b{at(random), at(random)};
        PathOf({{a, a, {a.h + handle(random), a.v + handle(random)}, 0},
                {b, {b.h + handle(random), b.v + handle(random)}, b, 0}},
               false);
    }
    int agreed = 0;
    for (int probe = 0; probe < 400; ++probe) {
        const AIRealPoint p{at(random), at(random)};
        const float tolerance = 4;
        // Every art within the tolerance and its distance, in paint order.
        std::vector<std::pair<const Art*, double>> within;
        doc().ForEachArt([&](Art& art) {
            const geom::Cubic c = geom::SegmentCubic(art.segments, 0);
            double nearest = 1e9;
            for (int k = 0; k <= 20000; ++k) {
                const geom::Vec q = geom::Evaluate(c, k / 20000.0);
                nearest = std::min(nearest, std::hypot(q.x - p.h, q.y - p.v));
            }
            if (nearest <= tolerance) within.emplace_back(&art, nearest);
        });
        // The nearest wins, the topmost (last painted) among those within 1 point of it.
        double nearestOfAll = 1e9;
        for (const auto& w : within) nearestOfAll = std::min(nearestOfAll, w.second);
        const Art* expected = nullptr;
        double nearestOnExpected = 1e9;
        bool tooCloseToCall = false;
        for (const auto& w : within) {
            if (std::fabs(w.second - tolerance) < 0.01 ||
                std::fabs(w.second - (nearestOfAll + 1)) < 0.01)
                tooCloseToCall = true;
            if (w.second <= nearestOfAll + 1) expected = w.first, nearestOnExpected = w.second;
        }
        const Hit hit =
            HitTest(doc(), host_.segmentIndex(), p, tolerance, kSegmentHitRequest, nullptr);
        if (tooCloseToCall) continue;
        EXPECT_EQ(hit.hit ? hit.art : nullptr, expected) << probe;
        if (hit.hit && hit.art == expected) {
            EXPECT_NEAR(std::hypot(hit.point.h - p.h, hit.point.v - p.v), nearestOnExpected, 2e-3);
            ++agreed;
        }
    }
    EXPECT_GT(agreed, 20);
}

}  // namespace
}  // namespace host
