// The rules a dimension's builder decides by, on a settings record of the test's own:
// which end of a curve a point-mode click measures from, and which angles are drawn as
// a square.
#include <gtest/gtest.h>

#include <cmath>

#include "host/core/host.h"
#include "plugin/dimensions/angle_dimension.h"
#include "plugin/dimensions/curve_marks.h"
#include "plugin/frame/quill_state.h"
#include "support/document_suites.h"

namespace quill {
namespace {

TEST(DimensionRules, APointModeClickMeasuresFromTheEndItIsAt) {
    struct Row {
        std::int16_t anchor, segmentStart, segmentEnd;
        int anchors;
        int end;
    };
    const Row rows[] = {
        {0, 0, 0, 4, 1},    // the first anchor
        {3, 0, 0, 4, -1},   // the last
        {1, 0, 0, 4, 0},    // an inner anchor
        {-1, 0, 1, 4, 1},   // the first segment
        {-1, 2, 3, 4, -1},  // the last segment
        {-1, 1, 2, 4, 0},   // an inner segment
        {-1, 0, 1, 2, -1},  // a single segment: its last anchor wins
    };
    for (const Row& row : rows) {
        ClickedCurve click;
        click.anchor = row.anchor;
        click.segmentStart = row.segmentStart;
        click.segmentEnd = row.segmentEnd;
        EXPECT_EQ(MeasuredEnd(click, row.anchors), row.end)
            << row.anchor << " " << row.segmentStart << "-" << row.segmentEnd;
    }
}

TEST(DimensionRules, ARightAngleIsOneWithinTheLabelsLastDecimal) {
    host::Host host;
    host::SetCurrentHost(&host);
    testing::PluginSuites suites(host);
    QuillState state;
    const StateBinding bound(state);
    struct Row {
        int precision;
        double degrees;
        bool square;
    };
    const Row rows[] = {{0, 90.5, true},   {0, 89.2, true},   {0, 91.0, false}, {2, 90.5, false},
                        {2, 90.005, true}, {2, 89.98, false}, {2, -90.0, true}, {1, 270.0, false}};
    for (const Row& row : rows) {
        state.settings.precision = row.precision;
        const float opening = static_cast<float>(row.degrees * M_PI / 180);
        EXPECT_EQ(IsRightAngle(opening), row.square) << row.precision << " " << row.degrees;
    }
    host::SetCurrentHost(nullptr);
}

}  // namespace
}  // namespace quill
