#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plugin/geometry/selection_measures.h"
#include "pure/geometry_fakes.h"

namespace quill {
namespace {

using testing::Corner;
using testing::FakeBezierService;
using testing::FakePath;

// Closed paths add their perimeter and the size of their area, whatever their
// orientation; an open path adds its length from its first anchor to its last but no
// area, even when its host area is not zero; a missing path counts for nothing.
TEST(MeasureSelection, ClosedAndOpenPathsAddUp) {
    FakePath square({Corner(0, 0), Corner(10, 0), Corner(10, 10), Corner(0, 10)}, true);
    square.area = 100;
    FakePath triangle({Corner(2, 2), Corner(4, 2), Corner(4, 4)}, true);
    triangle.area = -2;  // clockwise
    FakePath open({Corner(0, 0), Corner(3, 4), Corner(3, 10)}, false);
    open.area = 12.5f;
    const SelectionMeasures measures =
        MeasureSelection({&square, &triangle, &open, nullptr}, FakeBezierService());
    EXPECT_EQ(measures.paths, 3);
    EXPECT_EQ(measures.points, 10);
    EXPECT_FLOAT_EQ(measures.area, 102);
    EXPECT_NEAR(measures.length, 40 + (4 + 2 * std::sqrt(2.0f)) + (5 + 6), 1e-3);

    const SelectionMeasures none = MeasureSelection({}, FakeBezierService());
    EXPECT_EQ(none.paths, 0);
    EXPECT_EQ(none.length, 0);
    EXPECT_EQ(none.area, 0);
}

}  // namespace
}  // namespace quill
