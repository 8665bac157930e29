#include <gtest/gtest.h>

#include <cmath>

#include "host/geometry/segment_index.h"
#include "host/scripting/script_parser.h"
#include "host/suites/memory_handles.h"
#include "host_fixture.h"

namespace host {
namespace {

class GeometrySuitesTest : public testing::HostTest {};

TEST_F(GeometrySuitesTest, BezierSuiteRefusesWhatItCannotMeasure) {
    const auto& bezier = suite<AIRealBezierSuite>(kAIRealBezierSuite, kAIRealBezierSuiteVersion);
    // What a measure gives is the length tests'; here what the suite refuses.
    AIRealBezier line{{0, 0}, {0, 0}, {30, 40}, {30, 40}};
    AIReal length = 0;
    AIRealBezier first{}, second{};
    ASSERT_EQ(bezier.Divide(&line, 0.5f, &first, &second), kNoErr);
    EXPECT_FLOAT_EQ(first.p3.h, second.p0.h);
    AIRealBezier broken = line;
    broken.p2.v = std::nanf("");
    EXPECT_EQ(bezier.Length(&broken, 1, &length), kBadParameterErr);
    EXPECT_EQ(bezier.Length(nullptr, 1, &length), kBadParameterErr);
    EXPECT_EQ(bezier.Divide(&line, 1.5f, &first, &second), kBadParameterErr);
}

TEST_F(GeometrySuitesTest, HitTestSuiteHandsOutRecordsAndRefusesStaleOnes) {
    const auto& hits = suite<AIHitTestSuite>(kAIHitTestSuite, kAIHitTestSuiteVersion);
    Art* path = Polyline({{0, 0}, {100, 0}});
    const AIRealPoint at{50, 1};
    AIHitRef ref = nullptr;
    ASSERT_EQ(hits.HitTestEx(nullptr, &at, 4, kSegmentHitRequest, &ref), kNoErr);
    AIToolHitData data{};
    ASSERT_EQ(hits.GetHitData(ref, &data), kNoErr);
    EXPECT_TRUE(data.hit);
    EXPECT_EQ(ArtOf(data.art), path);
    EXPECT_EQ(data.segment, 1);
    ASSERT_EQ(hits.Release(ref), kNoErr);
    EXPECT_EQ(hits.GetHitData(ref, &data), kStaleHandleErr);
    EXPECT_EQ(hits.Release(ref), kStaleHandleErr);
    const AIArtHandle handle = HandleOf(path);
    doc().Dispose(path);
    EXPECT_EQ(hits.HitTestEx(handle, &at, 4, 0, &ref), kStaleHandleErr);
    const AIRealPoint nowhere{std::nanf(""), 0};
    EXPECT_EQ(hits.HitTestEx(nullptr, &nowhere, 4, 0, &ref), kBadParameterErr);
}

TEST_F(GeometrySuitesTest, SegmentsNearComeInPaintOrder) {
    const auto& hits = suite<AIHitTestSuite>(kAIHitTestSuite, kAIHitTestSuiteVersion);
    Art* lower = Polyline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    Art* upper = Polyline({{9, -5}, {9, 20}});
    doc().Move(upper, kPlaceBelowAll, nullptr);
    AIArtHandle arts[8];
    int16_t segments[8];
    int32_t count = 0;
    const AIRealPoint at{9.5f, 0.5f};
    ASSERT_EQ(hits.FindSegmentsNear(&at, 1, arts, segments, 8, &count), kNoErr);
    ASSERT_EQ(count, 3);  // the path moved to the bottom, then the square's segments 0 and 1
    EXPECT_EQ(ArtOf(arts[0]), upper);
    EXPECT_EQ(ArtOf(arts[1]), lower);
    EXPECT_EQ(segments[1], 0);
    EXPECT_EQ(ArtOf(arts[2]), lower);
    EXPECT_EQ(segments[2], 1);
    ASSERT_EQ(hits.FindSegmentsNear(&at, 1, arts, segments, 2, &count), kNoErr);
    EXPECT_EQ(count, 3);  // the total, though only two were written
    EXPECT_EQ(hits.FindSegmentsNear(&at, -1, arts, segments, 2, &count), kBadParameterErr);
}

TEST_F(GeometrySuitesTest, CursorSnapFindsTheCrossingOfTwoPaths) {
    const auto& snap = suite<AICursorSnapSuite>(kAICursorSnapSuite, kAICursorSnapSuiteVersion);
    Polyline({{0, 0}, {100, 100}});
    PathOf(CircleSegments(50, 50, 30), true);
    AIRealPoint snapped{};
    ASSERT_EQ(snap.Track(nullptr, {51, 49}, "A i o", &snapped), kNoErr);
    EXPECT_EQ(snapped.h, 51);  // the line crosses the circle 30 points away: too far
    Polyline({{0, 60}, {100, 40}});
    ASSERT_EQ(snap.Track(nullptr, {51, 49}, "A i o", &snapped), kNoErr);
    EXPECT_NEAR(snapped.h, 50, 1e-3);
    EXPECT_NEAR(snapped.v, 50, 1e-3);
    ASSERT_EQ(snap.Track(nullptr, {10, 90}, "A i o", &snapped), kNoErr);
    EXPECT_EQ(snapped.h, 10);  // nothing near: the pointer itself
    ASSERT_EQ(snap.Track(nullptr, {51, 49}, "A", &snapped), kNoErr);
    EXPECT_EQ(snapped.h, 51);
}

TEST_F(GeometrySuitesTest, MatchingArtAndArtSets) {
    const auto& matching =
        suite<AIMatchingArtSuite>(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion);
    const auto& sets = suite<AIArtSetSuite>(kAIArtSetSuite, kAIArtSetSuiteVersion);
    Art* a = Polyline({{0, 0}, {1, 1}});
    Art* group = doc().NewArt(ArtKind::Group, kPlaceAboveAll, nullptr);
    Art* b = doc().NewArt(ArtKind::Path, kPlaceInsideOnTop, group);
    Art* locked = Polyline({{0, 0}, {2, 2}});
    locked->attributes = kArtLocked;
    const AIMatchingArtRule unlockedPaths{kPathArt, kArtLocked, 0};
    AIArtHandle** matches = nullptr;
    int32_t count = 0;
    ASSERT_EQ(matching.GetMatchingArt(&unlockedPaths, 1, &matches, &count), kNoErr);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(ArtOf((*matches)[0]), a);
    EXPECT_EQ(ArtOf((*matches)[1]), b);
    EXPECT_TRUE(FreeMemoryHandle(matches));
    const AIMatchingArtRule texts{kTextFrameArt, 0, 0};
    ASSERT_EQ(matching.GetMatchingArt(&texts, 1, &matches, &count), kNoErr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(matches, nullptr);

    AIArtSet set = nullptr;
    ASSERT_EQ(sets.NewArtSet(&set), kNoErr);
    const AIMatchingArtRule anyArt{kAnyArt, 0, 0};
    ASSERT_EQ(sets.MatchingArtSet(&anyArt, 1, set), kNoErr);
    size_t size = 0;
    ASSERT_EQ(sets.CountArtSet(set, &size), kNoErr);
    EXPECT_EQ(size, 4u);
    const AIArtHandle disposed = HandleOf(b);
    doc().Dispose(group);  // disposed art drops out of the set
    ASSERT_EQ(sets.CountArtSet(set, &size), kNoErr);
    EXPECT_EQ(size, 2u);
    AIArtHandle handle = nullptr;
    EXPECT_EQ(sets.IndexArtSet(set, 2, &handle), kOutOfRangeErr);
    EXPECT_EQ(sets.AddArtToArtSet(set, disposed), kStaleHandleErr);
    ASSERT_EQ(sets.RemoveArtFromArtSet(set, HandleOf(a)), kNoErr);
    ASSERT_EQ(sets.IndexArtSet(set, 0, &handle), kNoErr);
    EXPECT_EQ(ArtOf(handle), locked);
    ASSERT_EQ(sets.DisposeArtSet(&set), kNoErr);
    EXPECT_EQ(set, nullptr);
    AIArtSet stale = reinterpret_cast<AIArtSet>(&size);
    EXPECT_EQ(sets.CountArtSet(stale, &size), kStaleHandleErr);
}

TEST_F(GeometrySuitesTest, TransformMovesObjectsAndScalesLinesOnlyWhenAsked) {
    const auto& transform =
        suite<AITransformArtSuite>(kAITransformArtSuite, kAITransformArtSuiteVersion);
    Art* group = doc().NewArt(ArtKind::Group, kPlaceAboveAll, nullptr);
    Art* path = doc().NewArt(ArtKind::Path, kPlaceInsideOnTop, group);
    doc().SetSegments(path, {{{1, 0}, {1, 0}, {2, 0}, 1}, {{5, 5}, {4, 5}, {5, 5}, 1}});
    path->editStyle().width = 2;
    Art* text = doc().NewArt(ArtKind::Text, kPlaceInsideOnTop, group);
    text->text().matrix = {1, 0, 0, 1, 10, 20};
    const AIRealMatrix quarterTurn{0, 1, -1, 0, 100, 0};  // (x, y) → (100 − y, x)
    ASSERT_EQ(transform.TransformArt(HandleOf(group), &quarterTurn, 3, kTransformObjects), kNoErr);
    EXPECT_FLOAT_EQ(path->segments[0].p.h, 100);
    EXPECT_FLOAT_EQ(path->segments[0].p.v, 1);
    EXPECT_FLOAT_EQ(path->segments[0].out.v, 2);
    EXPECT_FLOAT_EQ(path->segments[1].in.h, 95);
    EXPECT_FLOAT_EQ(path->style().width, 2);
    EXPECT_FLOAT_EQ(text->text().matrix.tx, 80);
    EXPECT_FLOAT_EQ(text->text().matrix.ty, 10);
    EXPECT_FLOAT_EQ(text->text().matrix.b, 1);
    ASSERT_EQ(transform.TransformArt(HandleOf(path), &quarterTurn, 3, kScaleLines), kNoErr);
    EXPECT_FLOAT_EQ(path->style().width, 6);
    EXPECT_FLOAT_EQ(path->segments[0].p.h, 100);
    // The index follows the moved path.
    bool found = false;
    host_.segmentIndex().Query({100, 3}, 1, [&](const Art& art, int) { found |= &art == path; });
    EXPECT_TRUE(found);
    EXPECT_EQ(transform.TransformArt(HandleOf(path), &quarterTurn, -1, kScaleLines),
              kBadParameterErr);
    const AIRealMatrix broken{std::nanf(""), 0, 0, 1, 0, 0};
    EXPECT_EQ(transform.TransformArt(HandleOf(path), &broken, 1, kTransformObjects),
              kBadParameterErr);
}

// Points and rectangles that touch count as close, inside and overlapping.
TEST_F(GeometrySuitesTest, RealMath) {
    const auto& math = suite<AIRealMathSuite>(kAIRealMathSuite, kAIRealMathSuiteVersion);
    AIBoolean answer = false;
    const AIRealPoint a{0, 0}, b{3, -3}, c{3, 3.5f};
    ASSERT_EQ(math.AIRealPointClose(&a, &b, 3, &answer), kNoErr);
    EXPECT_TRUE(answer);  // within on both axes, inclusive
    ASSERT_EQ(math.AIRealPointClose(&a, &c, 3, &answer), kNoErr);
    EXPECT_FALSE(answer);
    const AIRealRect outer{0, 10, 10, 0}, inner{2, 8, 4, 6}, apart{11, 10, 12, 0},
        touching{10, 5, 12, 0};
    ASSERT_EQ(math.AIRealRectInAIRealRect(&outer, &inner, &answer), kNoErr);
    EXPECT_TRUE(answer);
    ASSERT_EQ(math.AIRealRectOverlap(&outer, &apart, &answer), kNoErr);
    EXPECT_FALSE(answer);
    ASSERT_EQ(math.AIRealRectOverlap(&outer, &touching, &answer), kNoErr);
    EXPECT_TRUE(answer);
}

}  // namespace
}  // namespace host
