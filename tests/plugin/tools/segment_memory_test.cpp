// The ends of the segments measured last, which the Segment tool's drag snaps to.
#include <gtest/gtest.h>

#include <vector>

#include "plugin/tools/segment_memory.h"

namespace quill {
namespace {

bool Same(Point a, Point b) {
    return a.h == b.h && a.v == b.v;
}

TEST(SegmentMemory, KeepsTheNewestSegmentsWithinItsCapacityOnce) {
    const Point a{0, 0}, b{10, 0}, c{20, 0}, d{30, 0};
    const struct {
        int capacity;
        std::vector<std::pair<Point, Point>> added;
        std::vector<std::pair<Point, Point>> kept;  // newest first
    } rows[] = {
        {4, {{a, b}, {c, d}}, {{c, d}, {a, b}}},
        {4, {{a, b}, {b, c}, {c, d}}, {{c, d}, {b, c}}},  // the oldest goes
        {5, {{a, b}, {b, c}, {c, d}}, {{c, d}, {b, c}}},  // an odd point does not count
        {2, {{a, b}, {b, c}}, {{b, c}}},
        {4, {{a, b}, {b, a}}, {{a, b}}},  // known in the other direction
        {4, {{a, b}, {a, b}, {c, d}}, {{c, d}, {a, b}}},
    };
    for (const auto& row : rows) {
        SegmentMemory memory;
        for (const auto& [first, second] : row.added) memory.Add(first, second, row.capacity);
        ASSERT_EQ(memory.entries().size(), row.kept.size()) << row.capacity;
        for (std::size_t i = 0; i < row.kept.size(); ++i) {
            EXPECT_TRUE(Same(memory.entries()[i].first, row.kept[i].first)) << i;
            EXPECT_TRUE(Same(memory.entries()[i].second, row.kept[i].second)) << i;
        }
    }
}

TEST(SegmentMemory, FindsTheNewestSegmentFirstAndTellsEachSegmentMissed) {
    SegmentMemory memory;
    memory.Add({0, 0}, {10, 0}, 20);
    memory.Add({100, 0}, {110, 0}, 20);
    memory.Add({200, 0}, {210, 0}, 20);
    int missed = 0;
    Point found{-1, -1};
    // Both older segments have an end within reach: the newer one wins, after the newest
    // was visited in vain.
    const auto near = [](Point p) { return p.h == 10 || p.h == 110; };
    EXPECT_TRUE(memory.FindClose(
        near, [&] { ++missed; }, &found));
    EXPECT_TRUE(Same(found, {110, 0}));
    EXPECT_EQ(missed, 1);
    missed = 0;
    EXPECT_FALSE(memory.FindClose([](Point) { return false; }, [&] { ++missed; }, &found));
    EXPECT_EQ(missed, 3);
}

}  // namespace
}  // namespace quill
