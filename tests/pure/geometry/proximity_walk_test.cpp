#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "plugin/geometry/proximity_walk.h"
#include "pure/geometry_fakes.h"

namespace quill {
namespace {

using testing::Corner;

TEST(ProximityWalk, AnchorsBeforeSamplesSegmentBySegment) {
    const std::vector<PathSegment> path = {Corner(0, 0), Corner(100, 0), Corner(100, 100)};
    // Near anchor 1: found by segment 0, as its end anchor.
    auto hit = FirstHitOnPath(path, false, {101, 2}, 3, PointsCloseOnBothAxes);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->kind, ProximityHit::Kind::Anchor);
    EXPECT_EQ(hit->segment, 0);
    EXPECT_EQ(hit->anchor, 1);
    EXPECT_NEAR(hit->direction, 0, 1e-6);
    // Near the middle of segment 1: the first sample nearer than the tolerance.
    hit = FirstHitOnPath(path, false, {102, 50}, 3, PointsCloseOnBothAxes);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->kind, ProximityHit::Kind::Sample);
    EXPECT_EQ(hit->segment, 1);
    EXPECT_GT(hit->point.v, 47.7f);  // first hit, not the nearest
    EXPECT_LT(hit->point.v, 48.0f);
    EXPECT_NEAR(hit->direction, kHalfPi, 1e-3);
    // The closing segment of a closed path is walked last, back to anchor 0.
    hit = FirstHitOnPath(path, true, {50, 52}, 3, PointsCloseOnBothAxes);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->segment, 2);
    EXPECT_FALSE(FirstHitOnPath(path, false, {50, 52}, 3, PointsCloseOnBothAxes).has_value());
    // Strictly nearer: a pointer exactly at the tolerance from the line is not a hit.
    EXPECT_FALSE(FirstHitOnPath(path, false, {50, 3}, 3, PointsCloseOnBothAxes).has_value());
}

// The walk over the segments the bounds leave finds exactly what the walk over every
// segment finds.
TEST(ProximityWalk, PruningByBoundsKeepsTheFirstHit) {
    std::mt19937 random(1234);
    std::uniform_real_distribution<float> coordinate(-200, 200), jitter(-15, 15);
    int hits = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<PathSegment> path;
        Point at{coordinate(random), coordinate(random)};
        const int n = 2 + static_cast<int>(random() % 6);
        for (int i = 0; i < n; ++i) {
            PathSegment s = Corner(at.h, at.v);
            if (random() % 2) {
                s.in = {at.h + jitter(random) * 4, at.v + jitter(random) * 4};
                s.out = {at.h + jitter(random) * 4, at.v + jitter(random) * 4};
            }
            path.push_back(s);
            at = {at.h + jitter(random) * 5, at.v + jitter(random) * 5};
        }
        const bool closed = random() % 2;
        for (int probe = 0; probe < 20; ++probe) {
            const PathSegment& near = path[random() % path.size()];
            const Point pointer{near.p.h + jitter(random), near.p.v + jitter(random)};
            const float tolerance = random() % 2 ? 3.0f : 6.0f;
            std::vector<int> candidates;
            const int count = closed ? n : n - 1;
            for (int i = 0; i < count; ++i)
                if (SegmentMayBeNear(RecordBezier(path, i), pointer, tolerance))
                    candidates.push_back(i);
            const auto plain =
                FirstHitOnPath(path, closed, pointer, tolerance, PointsCloseOnBothAxes);
            const auto pruned = FirstHitOnPath(path, closed, pointer, tolerance,
                                               PointsCloseOnBothAxes, &candidates);
            ASSERT_EQ(plain.has_value(), pruned.has_value());
            if (!plain) continue;
            ++hits;
            EXPECT_EQ(plain->kind, pruned->kind);
            EXPECT_EQ(plain->segment, pruned->segment);
            EXPECT_EQ(plain->anchor, pruned->anchor);
            EXPECT_EQ(plain->t, pruned->t);
        }
    }
    EXPECT_GT(hits, 1000);  // the probes do land on the paths
}

}  // namespace
}  // namespace quill
