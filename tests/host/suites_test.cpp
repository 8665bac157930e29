// Suite functions called directly, as a plug-in would: parameters checked, stale
// handles refused, results as documented.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "host/core/host.h"
#include "host/suites/handles.h"
#include "sdk/sdk.h"

namespace host {
namespace {

class Suites : public ::testing::Test {
 protected:
    Suites() { SetCurrentHost(&host); }
    ~Suites() override {
        Faults().Clear();
        SetCurrentHost(nullptr);
    }
    template <class T>
    const T& Get(const char* name, int version) {
        auto* table = static_cast<const T*>(host.suites().Find(name, version));
        EXPECT_NE(table, nullptr) << name;
        return *table;
    }
    AIArtHandle NewPath(std::vector<AIPathSegment> segments, bool closed = false) {
        Art* art = host.document().NewArt(ArtKind::Path, kPlaceDefault, nullptr);
        art->closed = closed;
        host.document().SetSegments(art, std::move(segments));
        return HandleOf(art);
    }
    static AIPathSegment Corner(float x, float y) { return {{x, y}, {x, y}, {x, y}, 1}; }

    Host host;
    const AIArtSuite& art = Get<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
    const AIPathSuite& path = Get<AIPathSuite>(kAIPathSuite, kAIPathSuiteVersion);
    const AILayerSuite& layers = Get<AILayerSuite>(kAILayerSuite, kAILayerSuiteVersion);
    const AITagSuite& tags = Get<AITagSuite>(kAITagSuite, kAITagSuiteVersion);
};

TEST_F(Suites, StaleHandlesAreRefusedAndValidityNeverFails) {
    AIArtHandle gone = NewPath({Corner(0, 0), Corner(1, 1)});
    ASSERT_EQ(art.DisposeArt(gone), kNoErr);
    int16_t type = 0, count = 0;
    AIRealRect bounds;
    AILayerHandle layer = nullptr;
    char name[16];
    EXPECT_EQ(art.GetArtType(gone, &type), kStaleHandleErr);
    EXPECT_EQ(art.DisposeArt(gone), kStaleHandleErr);
    EXPECT_EQ(art.GetArtBounds(gone, &bounds), kStaleHandleErr);
    EXPECT_EQ(art.GetLayerOfArt(gone, &layer), kStaleHandleErr);
    EXPECT_EQ(path.GetPathSegmentCount(gone, &count), kStaleHandleErr);
    EXPECT_EQ(tags.SetTag(gone, "orl", kTagStringType, "jj"), kStaleHandleErr);
    EXPECT_EQ(art.GetArtName(gone, name, sizeof name, nullptr), kStaleHandleErr);
    AIArtHandle forged = ToHandle<AIArtHandle>(0xDEADBEEF);
    EXPECT_EQ(art.GetArtType(forged, &type), kStaleHandleErr);
    for (AIArtHandle h : {gone, forged, static_cast<AIArtHandle>(nullptr)}) {
        AIBoolean valid = true;
        EXPECT_EQ(art.ValidArt(h, true, &valid), kNoErr);
        EXPECT_FALSE(valid);
    }
    EXPECT_EQ(art.GetArtType(nullptr, &type), kBadParameterErr);
    EXPECT_EQ(art.GetArtType(NewPath({}), nullptr), kBadParameterErr);
}

TEST_F(Suites, PathSegmentsAreRangeCheckedAndNaNRefused) {
    AIArtHandle p = NewPath({Corner(0, 0), Corner(10, 0), Corner(10, 10)});
    AIPathSegment s[4];
    EXPECT_EQ(path.GetPathSegments(p, 1, 2, s), kNoErr);
    EXPECT_EQ(s[1].p.v, 10.0f);
    EXPECT_EQ(path.GetPathSegments(p, 2, 2, s), kOutOfRangeErr);
    EXPECT_EQ(path.GetPathSegments(p, -1, 1, s), kOutOfRangeErr);
    AIPathSegment bad = Corner(std::numeric_limits<float>::quiet_NaN(), 0);
    EXPECT_EQ(path.SetPathSegments(p, 0, 1, &bad), kBadParameterErr);
    EXPECT_EQ(path.GetPathSegments(p, 0, 1, s), kNoErr);
    EXPECT_EQ(s[0].p.h, 0.0f);  // unchanged
    EXPECT_EQ(path.SetPathSegmentCount(p, -1), kBadParameterErr);
    EXPECT_EQ(path.SetPathSegmentCount(p, 5), kNoErr);
    int16_t count = 0;
    path.GetPathSegmentCount(p, &count);
    EXPECT_EQ(count, 5);
    AIRealBezier b;
    EXPECT_EQ(path.GetPathBezier(p, 4, &b), kOutOfRangeErr);  // open: four segments
    AIArtHandle group = nullptr;
    art.NewArt(kGroupArt, kPlaceDefault, nullptr, &group);
    EXPECT_EQ(path.GetPathSegmentCount(group, &count), kBadParameterErr);
}

TEST_F(Suites, LengthsAreaAndTheClosingSegmentOfASquare) {
    AIArtHandle square =
        NewPath({Corner(0, 0), Corner(10, 0), Corner(10, 10), Corner(0, 10)}, true);
    AIRealBezier closing;
    ASSERT_EQ(path.GetPathBezier(square, 3, &closing), kNoErr);
    EXPECT_EQ(closing.p0.v, 10.0f);
    EXPECT_EQ(closing.p3.v, 0.0f);
    AIReal pieces[5], sums[5];
    ASSERT_EQ(path.MeasurePathSegments(square, 0, 5, pieces, sums, 0), kNoErr);
    EXPECT_EQ(pieces[0], 0.0f);
    EXPECT_NEAR(pieces[4], 10, 1e-5);  // anchor 4 is anchor 0 reached again
    EXPECT_NEAR(sums[4], 40, 1e-4);
    EXPECT_EQ(path.MeasurePathSegments(square, 0, 6, pieces, nullptr, 0), kOutOfRangeErr);
    AIReal area = 0;
    ASSERT_EQ(path.GetPathArea(square, &area), kNoErr);
    EXPECT_NEAR(area, 100, 1e-4);
    AIRealRect bounds;
    AIArtHandle curve = NewPath({{{0, 0}, {0, 0}, {5, 20}, 0}, {{10, 0}, {5, -8}, {10, 0}, 0}});
    ASSERT_EQ(art.GetArtBounds(curve, &bounds), kNoErr);
    EXPECT_EQ(bounds.top, 20.0f);  // control points included
    EXPECT_EQ(bounds.bottom, -8.0f);
}

TEST_F(Suites, LayersAreNumberedFromTheTop) {
    Layer* bottom = host.document().layers().front().get();
    AILayerHandle top = nullptr;
    ASSERT_EQ(layers.InsertLayer(nullptr, kPlaceAboveAll, &top), kNoErr);
    ASSERT_EQ(layers.SetLayerTitle(top, "Dimensions"), kNoErr);
    AILayerHandle first = nullptr;
    ASSERT_EQ(layers.GetNthLayer(0, &first), kNoErr);
    EXPECT_EQ(first, top);
    AILayerHandle second = nullptr;
    layers.GetNthLayer(1, &second);
    EXPECT_EQ(second, HandleOf(bottom));
    EXPECT_EQ(layers.GetNthLayer(2, &second), kOutOfRangeErr);
    AILayerHandle current = nullptr;
    layers.GetCurrentLayer(&current);
    EXPECT_EQ(current, HandleOf(bottom));  // a new layer does not become current
    AIBoolean editable = false;
    bottom->visible = false;
    layers.GetLayerEditable(HandleOf(bottom), &editable);
    EXPECT_FALSE(editable);
    char title[6];
    EXPECT_EQ(layers.GetLayerTitle(top, title, sizeof title), kBufferTooSmallErr);
    EXPECT_STREQ(title, "Dimen");
    AILayerHandle below = nullptr;
    EXPECT_EQ(layers.InsertLayer(ToHandle<AILayerHandle>(0xBAD), kPlaceAbove, &below),
              kStaleHandleErr);
}

TEST_F(Suites, TagsAreStringsWithBufferRules) {
    AIArtHandle p = NewPath({Corner(0, 0), Corner(1, 0)});
    char value[4];
    EXPECT_EQ(tags.GetTag(p, "orl", kTagStringType, value, sizeof value), kNotFoundErr);
    ASSERT_EQ(tags.SetTag(p, "segpt1", kTagStringType, "12345"), kNoErr);
    EXPECT_EQ(tags.GetTag(p, "segpt1", kTagStringType, value, sizeof value), kBufferTooSmallErr);
    EXPECT_STREQ(value, "123");
    EXPECT_EQ(tags.SetTag(p, "x", "integer", "1"), kBadParameterErr);
    EXPECT_EQ(tags.RemoveTag(p, "absent"), kNoErr);
    int32_t count = 0;
    tags.CountTags(p, &count);
    EXPECT_EQ(count, 1);
    const char* name = nullptr;
    EXPECT_EQ(tags.GetNthTag(p, 1, &name), kOutOfRangeErr);
}

// A tag taken away that the art does not carry, or attributes set as they are, leave the
// art untouched: nothing is told changed, and only a real change is.
TEST_F(Suites, WhatChangesNothingTouchesNothing) {
    AIArtHandle p = NewPath({Corner(0, 0), Corner(1, 0)});
    ASSERT_EQ(tags.SetTag(p, "spa", kTagStringType, "jj"), kNoErr);
    ASSERT_EQ(art.SetArtUserAttr(p, kArtSelected, kArtSelected), kNoErr);
    host.document().TakeChangedObjects();
    EXPECT_EQ(tags.RemoveTag(p, "absent"), kNoErr);
    EXPECT_EQ(art.SetArtUserAttr(p, kArtSelected | kArtLocked, kArtSelected), kNoErr);
    EXPECT_TRUE(host.document().TakeChangedObjects().objects.empty());
    EXPECT_EQ(tags.RemoveTag(p, "spa"), kNoErr);
    EXPECT_EQ(host.document().TakeChangedObjects().objects.size(), 1u);
    EXPECT_EQ(art.SetArtUserAttr(p, kArtSelected, 0), kNoErr);
    EXPECT_EQ(host.document().TakeChangedObjects().objects.size(), 1u);
}

TEST_F(Suites, TreeWalkingGoesFromTheTopChildDown) {
    AIArtHandle group = nullptr, a = nullptr, b = nullptr;
    ASSERT_EQ(art.NewArt(kGroupArt, kPlaceDefault, nullptr, &group), kNoErr);
    ASSERT_EQ(art.NewArt(kPathArt, kPlaceInsideOnTop, group, &a), kNoErr);
    ASSERT_EQ(art.NewArt(kPathArt, kPlaceInsideOnTop, group, &b), kNoErr);
    AIArtHandle h = nullptr;
    art.GetArtFirstChild(group, &h);
    EXPECT_EQ(h, b);
    art.GetArtSibling(b, &h);
    EXPECT_EQ(h, a);
    art.GetArtSibling(a, &h);
    EXPECT_EQ(h, nullptr);
    art.GetArtPriorSibling(a, &h);
    EXPECT_EQ(h, b);
    EXPECT_EQ(art.NewArt(kPathArt, kPlaceInsideOnTop, a, &h), kBadParameterErr);
    EXPECT_EQ(art.NewArt(kTextFrameArt, kPlaceDefault, nullptr, &h), kBadParameterErr);
    char name[32];
    AIBoolean isDefault = false;
    art.GetArtName(a, name, sizeof name, &isDefault);
    EXPECT_TRUE(isDefault);
}

TEST_F(Suites, FeaturesApplyOnlyWhatWasSet) {
    const auto& frames = Get<AITextFrameSuite>(kAITextFrameSuite, kAITextFrameSuiteVersion);
    const auto& ranges = Get<TextRangeSuite>(kTextRangeSuite, kTextRangeSuiteVersion);
    const auto& chars = Get<CharFeaturesSuite>(kCharFeaturesSuite, kCharFeaturesSuiteVersion);
    AIArtHandle text = nullptr;
    ASSERT_EQ(
        frames.NewPointText(kPlaceDefault, nullptr, kHorizontalTextOrientation, {5, 6}, &text),
        kNoErr);
    TextRangeRef range = nullptr;
    ASSERT_EQ(frames.GetATETextRange(text, &range), kNoErr);
    ASSERT_EQ(ranges.SetContents(range, "25,4 mm\r±0,1"), kNoErr);
    CharFeaturesRef size = nullptr, shift = nullptr;
    chars.Initialize(&size);
    chars.SetFontSize(size, 18);
    chars.Initialize(&shift);
    chars.SetBaselineShift(shift, -4);
    ASSERT_EQ(ranges.SetLocalCharFeatures(range, size), kNoErr);
    ASSERT_EQ(ranges.SetLocalCharFeatures(range, shift), kNoErr);
    Art* art = ArtOf(text);
    EXPECT_EQ(art->text().style.size, 18.0f);  // kept by the second set, which had no size
    EXPECT_EQ(art->text().style.baselineShift, -4.0f);
    EXPECT_EQ(chars.SetFontSize(size, std::nanf("")), kBadParameterErr);
    int32_t characters = 0;
    ranges.GetSize(range, &characters);
    EXPECT_EQ(characters, 12);
    AIRealPoint anchor;
    frames.GetTextFrameAnchor(text, &anchor);
    EXPECT_EQ(anchor.h, 5.0f);
    Get<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion).DisposeArt(text);
    EXPECT_EQ(ranges.GetSize(range, &characters), kStaleHandleErr);
    EXPECT_EQ(ranges.Release(range), kNoErr);
    EXPECT_EQ(ranges.Release(range), kStaleHandleErr);
    chars.Release(size);
    chars.Release(shift);
}

TEST_F(Suites, InjectedFailuresCountDownOrLastAndNameSuitesEitherWay) {
    int16_t type = 0;
    AIArtHandle p = NewPath({Corner(0, 0), Corner(1, 0)});
    Faults().Fail("AI Art Suite.GetArtType", kLockedErr, 2);
    EXPECT_EQ(art.GetArtType(p, &type), kLockedErr);
    EXPECT_EQ(art.GetArtType(p, &type), kLockedErr);
    EXPECT_EQ(art.GetArtType(p, &type), kNoErr);
    Faults().Fail("Path.GetPathSegmentCount", kCantHappenErr, -1);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(path.GetPathSegmentCount(p, &type), kCantHappenErr);
    // Two calls run as usual, then one fails, then the function works again.
    Faults().Fail("Art.GetArtType", kLockedErr, 1, 2);
    EXPECT_EQ(art.GetArtType(p, &type), kNoErr);
    EXPECT_EQ(art.GetArtType(p, &type), kNoErr);
    EXPECT_EQ(art.GetArtType(p, &type), kLockedErr);
    EXPECT_EQ(art.GetArtType(p, &type), kNoErr);
}

TEST_F(Suites, ViewConversionsFollowZoomAndOriginAndRefuseNaN) {
    const auto& view = Get<AIDocumentViewSuite>(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
    host.view().zoom = 2;
    host.view().origin = {100, 500};
    AIRealPoint art{110, 480};
    AIPoint px;
    ASSERT_EQ(view.ArtworkPointToViewPoint(nullptr, &art, &px), kNoErr);
    EXPECT_EQ(px.h, 20);
    EXPECT_EQ(px.v, 40);
    AIRealPoint back;
    view.ViewPointToArtworkPoint(nullptr, &px, &back);
    EXPECT_EQ(back.h, 110.0f);
    EXPECT_EQ(back.v, 480.0f);
    AIRealPoint nan{std::nanf(""), 0};
    EXPECT_EQ(view.ArtworkPointToViewPoint(nullptr, &nan, &px), kBadParameterErr);
    AIRealRect bounds;
    view.GetDocumentViewBounds(nullptr, &bounds);
    EXPECT_EQ(bounds.right, 100.0f + host.view().widthPx / 2.0f);
    EXPECT_EQ(view.GetDocumentViewBounds(ToHandle<AIDocumentViewHandle>(7), &bounds),
              kStaleHandleErr);
}

}  // namespace
}  // namespace host
