#include "host/geometry/cell_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>

namespace host {
namespace {

// Room made ahead for many cells, and spare room given back, move no cell from its place:
// every key still finds its cell and its value, before and after more cells come and go.
TEST(CellTable, ReservingAndShrinkingKeepEveryCellAtItsPlace) {
    CellTable<int> table;
    std::map<std::uint64_t, std::uint32_t> places;
    auto add = [&](int from, int to) {
        for (int k = from; k < to; ++k) {
            const std::uint64_t key = static_cast<std::uint64_t>(k) * 0x9E3779B97F4A7C15ULL;
            places[key] = table.Place(key);
            table.At(places[key]) = k;
        }
    };
    auto expectEveryCell = [&](const char* when) {
        for (const auto& [key, place] : places) {
            const int* cell = table.Find(key);
            ASSERT_NE(cell, nullptr) << when;
            EXPECT_EQ(*cell, table.At(place)) << when;
            EXPECT_EQ(table.Place(key), place) << when;
            EXPECT_EQ(table.KeyAt(place), key) << when;
        }
    };
    add(0, 40);
    table.Reserve(1000);
    expectEveryCell("reserved");
    add(40, 1000);
    table.ShrinkToFit();
    expectEveryCell("shrunk");
    for (int k = 0; k < 1000; k += 3) {
        const std::uint64_t key = static_cast<std::uint64_t>(k) * 0x9E3779B97F4A7C15ULL;
        table.Erase(key);
        EXPECT_EQ(table.Find(key), nullptr) << k;
        places.erase(key);
    }
    add(1000, 1200);
    expectEveryCell("erased and added again");
    // The places of erased cells are given again before new ones.
    EXPECT_EQ(table.PlaceCount(), 1000u);
}

}  // namespace
}  // namespace host
