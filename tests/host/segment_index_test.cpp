#include "host/geometry/segment_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <utility>

#include "host_fixture.h"

namespace host {
namespace {

using Found = std::set<std::pair<ObjectId, int>>;

// What a walk over every path finds: segments whose bounds come within the radius.
Found PlainWalk(const Document& document, AIRealPoint p, float radius) {
    Found found;
    document.ForEachArt([&](Art& art) {
        if (art.kind() != ArtKind::Path) return;
        const int n = static_cast<int>(art.segments.size());
        const int count = n < 2 ? 0 : (art.closed ? n : n - 1);
        for (int i = 0; i < count; ++i) {
            const Box b = SegmentBox(art.segments, i);
            if (p.h >= b.left - radius && p.h <= b.right + radius && p.v >= b.bottom - radius &&
                p.v <= b.top + radius)
                found.insert({art.id(), i});
        }
    });
    return found;
}

class SegmentIndexTest : public testing::HostTest {
 protected:
    // Built before the first edit, the index hears of every one.
    SegmentIndexTest() { host_.segmentIndex(); }

    // What the index finds, each segment once.
    Found FromIndex(AIRealPoint p, float radius) {
        Found found;
        host_.segmentIndex().Query(p, radius, [&](const Art& path, int i) {
            EXPECT_TRUE(found.insert({path.id(), i}).second) << "reported twice";
        });
        return found;
    }

    std::vector<AIPathSegment> RandomSegments(std::mt19937& random) {
        std::uniform_real_distribution<float> at(-300, 300), step(-40, 40), size(0, 1);
        std::vector<AIPathSegment> s;
        AIRealPoint p{at(random), at(random)};
        // Mostly small segments, now and then a very long or a far-away one.
        const float reach = size(random) < 0.1f ? 5000.0f : 1.0f;
        const int n = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < n; ++i) {
            AIPathSegment seg{p, p, p, 1};
            if (random() % 2) seg.out = {p.h + step(random), p.v + step(random)};
            if (random() % 2) seg.in = {p.h + step(random), p.v + step(random)};
            s.push_back(seg);
            p = {p.h + step(random) * reach, p.v + step(random) * reach};
        }
        return s;
    }
};

TEST_F(SegmentIndexTest, AgreesWithAPlainWalkThroughRandomEdits) {
    std::mt19937 random(20240611);
    std::vector<Art*> paths;
    std::uniform_real_distribution<float> at(-400, 400);
    for (int round = 0; round < 60; ++round) {
        for (int edit = 0; edit < 20; ++edit) {
            const unsigned what = random() % 10;
            if (paths.empty() || what < 4) {
                Art* path = doc().NewArt(ArtKind::Path, kPlaceAboveAll, nullptr);
                path->closed = random() % 2;
                doc().SetSegments(path, RandomSegments(random));
                paths.push_back(path);
            } else {
                const std::size_t k = random() % paths.size();
                Art* path = paths[k];
                if (what < 6) {
                    doc().SetSegments(path, RandomSegments(random));
                } else if (what < 7) {
                    doc().SetClosed(path, !path->closed);
                } else if (what < 8) {
                    doc().Move(path, kPlaceBelowAll, nullptr);
                } else {
                    doc().Dispose(path);
                    paths.erase(paths.begin() + static_cast<std::ptrdiff_t>(k));
                }
            }
        }
        const SegmentIndex& index = host_.segmentIndex();
        for (int probe = 0; probe < 30; ++probe) {
            const AIRealPoint p{at(random), at(random)};
            const float radius = probe % 3 == 0 ? 0.0f : 4.0f * (probe % 5);
            ASSERT_EQ(FromIndex(p, radius), PlainWalk(doc(), p, radius)) << round << " " << probe;
        }
        // Paint ranks follow the document's order.
        PaintRankValue previous = 0;
        doc().ForEachArt([&](Art& art) {
            if (art.kind() != ArtKind::Path) return;
            const PaintRankValue rank = index.PaintRank(art);
            EXPECT_GT(rank, previous);
            previous = rank;
        });
    }
}

TEST_F(SegmentIndexTest, BuiltInBulkItAnswersAsBuiltPathByPath) {
    std::mt19937 random(7);
    Document added;
    SegmentIndex pathByPath(added);  // hears of every path as it comes
    std::map<const Art*, int> ordinal;
    for (int k = 0; k < 400; ++k) {
        const auto segments = RandomSegments(random);
        const bool closed = random() % 2;
        for (Document* d : {&doc(), &added}) {
            Art* path = d->NewArt(ArtKind::Path, kPlaceAboveAll, nullptr);
            d->SetClosed(path, closed);
            d->SetSegments(path, segments);
            ordinal[path] = k;
        }
    }
    const SegmentIndex bulk(doc());
    std::uniform_real_distribution<float> at(-400, 400);
    for (int probe = 0; probe < 200; ++probe) {
        const AIRealPoint p{at(random), at(random)};
        std::vector<std::pair<int, int>> fromBulk, fromEach;
        bulk.Query(p, 12, [&](const Art& a, int i) { fromBulk.push_back({ordinal[&a], i}); });
        pathByPath.Query(p, 12, [&](const Art& a, int i) { fromEach.push_back({ordinal[&a], i}); });
        ASSERT_EQ(fromBulk, fromEach) << probe;  // the same, in the same order
    }
}

TEST_F(SegmentIndexTest, StaysRightWhilePathsKeepChangingTheirLength) {
    // Entries freed by paths of ever other lengths pile up until the index is built anew.
    std::mt19937 random(3);
    std::vector<Art*> paths;
    for (int k = 0; k < 20; ++k) {
        paths.push_back(doc().NewArt(ArtKind::Path, kPlaceAboveAll, nullptr));
        doc().SetSegments(paths.back(), RandomSegments(random));
    }
    for (int n = 2; n < 200; ++n) {
        std::vector<AIPathSegment> s;
        for (int i = 0; i < n; ++i) {
            const AIRealPoint p{static_cast<float>(i), static_cast<float>(n % 7)};
            s.push_back({p, p, p, 1});
        }
        doc().SetSegments(paths[static_cast<std::size_t>(n) % paths.size()], s);
    }
    std::uniform_real_distribution<float> at(-50, 250);
    for (int probe = 0; probe < 100; ++probe) {
        const AIRealPoint p{at(random), at(random) / 25};
        ASSERT_EQ(FromIndex(p, 3), PlainWalk(doc(), p, 3)) << probe;
    }
}

TEST_F(SegmentIndexTest, StaysRightWhilePathsWanderOverThePage) {
    // Paths keeping their length but moving far and wide leave cells behind and crowd
    // others past their room, again and again: the boxes are moved and packed many times.
    std::mt19937 random(11);
    std::uniform_real_distribution<float> at(-2000, 2000);
    std::vector<Art*> paths;
    for (int k = 0; k < 20; ++k)
        paths.push_back(doc().NewArt(ArtKind::Path, kPlaceAboveAll, nullptr));
    for (int move = 0; move < 600; ++move) {
        const AIRealPoint start{at(random), at(random)};
        std::vector<AIPathSegment> s;
        for (int i = 0; i < 60; ++i) {
            const AIRealPoint p{start.h + static_cast<float>(i % 7),
                                start.v + static_cast<float>(i / 7)};
            s.push_back({p, p, p, 1});
        }
        doc().SetSegments(paths[static_cast<std::size_t>(move) % paths.size()], s);
    }
    for (const Art* path : paths) {
        const AIRealPoint p = path->segments[30].p;
        ASSERT_EQ(FromIndex(p, 2), PlainWalk(doc(), p, 2));
    }
}

TEST_F(SegmentIndexTest, FindsABoxThatJustTouchesTheQueryAndNotOneJustBeyond) {
    // Boxes are kept rounded outwards in steps of their cell: where the query's edge is
    // within a step, the box itself decides, to the last bit of a float.
    std::mt19937 random(5);
    std::uniform_real_distribution<float> at(-3000, 3000), size(0.001f, 700);
    for (int k = 0; k < 300; ++k) {
        const AIRealPoint a{at(random), at(random)};
        const AIRealPoint b{a.h + size(random), a.v + size(random)};
        Art* path = Polyline({a, b});
        const float radius = static_cast<float>(k % 4);
        const Box box = SegmentBox(path->segments, 0);
        // The first pointer coordinate whose query's lower edge passes the box's edge.
        auto firstBeyond = [&](float edge) {
            float c = edge + radius;
            while (c - radius > edge) c = std::nextafter(c, -INFINITY);
            while (c - radius <= edge) c = std::nextafter(c, INFINITY);
            return c;
        };
        const float xBeyond = firstBeyond(box.right), yBeyond = firstBeyond(box.top);
        const float xTouching = std::nextafter(xBeyond, -INFINITY);
        const float yTouching = std::nextafter(yBeyond, -INFINITY);
        auto finds = [&](AIRealPoint p) {
            return FromIndex(p, radius).count({path->id(), 0}) == 1;
        };
        EXPECT_TRUE(finds({xTouching, box.bottom})) << k;
        EXPECT_FALSE(finds({xBeyond, box.bottom})) << k;
        EXPECT_TRUE(finds({box.left, yTouching})) << k;
        EXPECT_FALSE(finds({box.left, yBeyond})) << k;
        doc().Dispose(path);
    }
}

TEST_F(SegmentIndexTest, KeepsNonFiniteAndHugeSegmentsApart) {
    Art* huge = Polyline({{-1e15f, 0}, {1e15f, 0}});
    // The document holds no coordinate beyond its range: the path keeps no segment.
    Art* odd = Polyline({{0, 0}, {std::nanf(""), 5}});
    EXPECT_TRUE(odd->segments.empty());
    std::set<ObjectId> found;
    host_.segmentIndex().Query({10, 0}, 1, [&](const Art& path, int) { found.insert(path.id()); });
    EXPECT_EQ(found.count(huge->id()), 1u);
    EXPECT_EQ(found.count(odd->id()), 0u);
    EXPECT_EQ(host_.segmentIndex().SegmentCount(), 1u);
    doc().Dispose(huge);
    doc().Dispose(odd);
    EXPECT_EQ(host_.segmentIndex().SegmentCount(), 0u);
}

}  // namespace
}  // namespace host
