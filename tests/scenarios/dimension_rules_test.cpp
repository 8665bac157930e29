// A rule a dimension's builder decides by, on a settings record of the test's own: which
// angles are drawn as a square. (Which end of a curve a point-mode click measures from is
// the Bézier tool's scenario.)
#include <gtest/gtest.h>

#include <cmath>

#include "host/core/host.h"
#include "plugin/dimensions/angle_dimension.h"
#include "plugin/frame/quill_state.h"
#include "support/document_suites.h"

namespace quill {
namespace {

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
