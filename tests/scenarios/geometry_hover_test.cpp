// The plug-in's classification under the pointer and its proximity walk, driven through
// the host's suites on real documents.
#include <gtest/gtest.h>

#include <random>

#include "host/core/host.h"
#include "host/suites/handles.h"
#include "plugin/frame/quill_state.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/tags.h"
#include "plugin/tools/hover_state.h"
#include "support/document_suites.h"

namespace quill {
namespace {

class HoverTest : public ::testing::Test {
 protected:
    HoverTest() : suites_(host_) { host::SetCurrentHost(&host_); }
    ~HoverTest() override { host::SetCurrentHost(nullptr); }

    host::Art* Path(std::vector<AIPathSegment> segments, bool closed = false) {
        host::Art* path = host_.document().NewArt(host::ArtKind::Path, kPlaceAboveAll, nullptr);
        path->closed = closed;
        host_.document().SetSegments(path, std::move(segments));
        return path;
    }
    host::Art* Polyline(std::vector<AIRealPoint> points, bool closed = false) {
        std::vector<AIPathSegment> s;
        for (AIRealPoint p : points) s.push_back({p, p, p, 1});
        return Path(s, closed);
    }
    host::Art* Circle(float cx, float cy, float r) {
        const float k = 0.5522847771644592f * r;
        return Path({{{cx + r, cy}, {cx + r, cy - k}, {cx + r, cy + k}, 0},
                     {{cx, cy + r}, {cx + k, cy + r}, {cx - k, cy + r}, 0},
                     {{cx - r, cy}, {cx - r, cy + k}, {cx - r, cy - k}, 0},
                     {{cx, cy - r}, {cx - k, cy - r}, {cx + k, cy - r}, 0}},
                    true);
    }
    const HoverState& Classify(float x, float y, Tool& tool) {
        EXPECT_EQ(tool.Classify({x, y}), kNoErr);
        return CurrentHover();
    }

    host::Host host_;
    testing::PluginSuites suites_;
    QuillState state_;
    StateBinding bound_{state_};
};

TEST_F(HoverTest, AnchorsVerticesSegmentsArcsAndCrossings) {
    host::Art* corner = Polyline({{0, 0}, {100, 0}, {100, 100}});
    EXPECT_EQ(Classify(101, 1, state_.angleTool).kind, HoverKind::AnchorHit);
    EXPECT_FALSE(CurrentHover().notVertex);
    EXPECT_EQ(CurrentHover().previous, 0);
    EXPECT_EQ(CurrentHover().next, 2);
    EXPECT_EQ(Classify(1, 1, state_.angleTool).kind, HoverKind::AnchorHit);
    EXPECT_TRUE(CurrentHover().notVertex);  // the first anchor of an open path
    const HoverState& straight = Classify(50, 2, state_.angleTool);
    EXPECT_EQ(straight.kind, HoverKind::StraightSegmentHit);
    EXPECT_EQ(straight.segmentStart, 0);
    EXPECT_EQ(straight.segmentEnd, 1);
    EXPECT_EQ(straight.hoverPoint.v, 2);  // the pointer, for the Angle tool
    Circle(300, 300, 50);
    const HoverState& arc = Classify(300 + 35.5f, 300 + 35.5f, state_.circleTool);
    EXPECT_EQ(arc.kind, HoverKind::ArcHit);
    EXPECT_NEAR(arc.centre.h, 300, 1e-2);
    EXPECT_NEAR(arc.radius, 50, 1e-2);
    // A line across the corner's first segment: a crossing, snapped to it. The line, on
    // top, is hit first and locked for the second test.
    host::Art* across = Polyline({{40, -30}, {60, 30}});
    const HoverState& crossing = Classify(50.5f, 1, state_.angleTool);
    EXPECT_EQ(crossing.kind, HoverKind::CrossingHit);
    EXPECT_NEAR(crossing.hoverPoint.h, 50, 1e-3);
    EXPECT_NEAR(crossing.hoverPoint.v, 0, 1e-3);
    EXPECT_EQ(across->attributes & kArtLocked, 0);  // unlocked again
    EXPECT_EQ(corner->attributes & kArtLocked, 0);
    // The Bézier tool does not look for crossings.
    EXPECT_EQ(Classify(50.5f, 1, state_.bezierTool).kind, HoverKind::StraightSegmentHit);
}

TEST_F(HoverTest, DimensionArtIsInvisibleButForItsLines) {
    host::Art* piece = Polyline({{0, 0}, {100, 0}});
    piece->SetTag(tags::kPiece, "jj");
    EXPECT_EQ(Classify(50, 1, state_.angleTool).kind, HoverKind::None);
    EXPECT_EQ(Classify(0, 1, state_.angleTool).kind, HoverKind::None);
    EXPECT_EQ(Classify(0, 1, state_.bezierTool).kind, HoverKind::AnchorHit);
    piece->SetTag(tags::kSegmentMarker, "jj");
    EXPECT_EQ(Classify(50, 1, state_.angleTool).kind, HoverKind::DimensionSegmentHit);
}

TEST_F(HoverTest, AFailingHostCallIsReportedAndTheLockUndone) {
    host::Art* line = Polyline({{0, 0}, {100, 0}});
    host::Faults().Fail("HitTest.HitTestEx", kCantHappenErr, -1);
    EXPECT_EQ(state_.angleTool.Classify({50, 1}), kCantHappenErr);
    EXPECT_EQ(CurrentHover().kind, HoverKind::None);
    host::Faults().Clear();
    host::Faults().Fail("CursorSnap.Track", kCantHappenErr, -1);
    host::Art* across = Polyline({{40, -30}, {60, 30}});
    EXPECT_EQ(state_.angleTool.Classify({50.5f, 1}), kCantHappenErr);
    EXPECT_EQ(line->attributes & kArtLocked, 0);
    EXPECT_EQ(across->attributes & kArtLocked, 0);
    host::Faults().Clear();
    // The lock taken back is asked again when the host refuses it once; refused twice,
    // the path stays locked and the classification fails with the host's code.
    host::Faults().Fail("Art.SetArtUserAttr", kBadParameterErr, 1, 1);
    EXPECT_EQ(state_.angleTool.Classify({50.5f, 1}), kNoErr);
    EXPECT_EQ(across->attributes & kArtLocked, 0);
    host::Faults().Fail("Art.SetArtUserAttr", kBadParameterErr, 2, 1);
    EXPECT_EQ(state_.angleTool.Classify({50.5f, 1}), kBadParameterErr);
    EXPECT_NE(across->attributes & kArtLocked, 0);
    host::Faults().Clear();
}

// The walk over the paths near the pointer finds what the walk over every path finds.
TEST_F(HoverTest, ProximityWalkFindsTheSameFirstHitAsAPlainWalk) {
    std::mt19937 random(99);
    std::uniform_real_distribution<float> at(0, 400), step(-30, 30);
    for (int i = 0; i < 150; ++i) {
        std::vector<AIPathSegment> s;
        AIRealPoint p{at(random), at(random)};
        const int n = 2 + static_cast<int>(random() % 5);
        for (int k = 0; k < n; ++k) {
            AIPathSegment seg{p, p, p, 1};
            if (random() % 2) {
                seg.in = {p.h + step(random), p.v + step(random)};
                seg.out = {p.h + step(random), p.v + step(random)};
            }
            s.push_back(seg);
            p = {p.h + step(random), p.v + step(random)};
        }
        host::Art* path = Path(s, random() % 2);
        if (random() % 10 == 0) path->attributes = kArtLocked;
    }
    const auto walked = [](AIArtHandle art) {
        return (host::ArtOf(art)->attributes & kArtLocked) == 0;
    };
    const PointCloseness close = PointsCloseOnBothAxes;
    int hits = 0;
    for (int probe = 0; probe < 300; ++probe) {
        const Point pointer{at(random), at(random)};
        const float tolerance = probe % 2 ? 3.0f : 6.0f;
        std::optional<NearbyHit> plain;
        host_.document().ForEachArt([&](host::Art& art) {
            if (plain || art.kind() != host::ArtKind::Path || !walked(host::HandleOf(&art))) return;
            std::vector<PathSegment> anchors;
            for (const AIPathSegment& s : art.segments) anchors.push_back(FromHost(s));
            if (auto hit = FirstHitOnPath(anchors, art.closed, pointer, tolerance, close))
                plain = NearbyHit{host::HandleOf(&art), *hit};
        });
        const auto pruned = FirstNearbyHit(pointer, tolerance, walked);
        ASSERT_EQ(plain.has_value(), pruned.has_value()) << probe;
        if (!plain) continue;
        ++hits;
        EXPECT_EQ(plain->art, pruned->art);
        EXPECT_EQ(plain->hit.segment, pruned->hit.segment);
        EXPECT_EQ(plain->hit.kind, pruned->hit.kind);
        EXPECT_EQ(plain->hit.anchor, pruned->hit.anchor);
        EXPECT_EQ(plain->hit.t, pruned->hit.t);
    }
    EXPECT_GT(hits, 30);
}

}  // namespace
}  // namespace quill
