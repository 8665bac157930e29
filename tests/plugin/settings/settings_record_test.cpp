#include "plugin/settings/settings_record.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

TEST(SettingsRecord, SettersKeepDerivedValues) {
    SettingsRecord settings;
    settings.SetLayerName(std::string(300, 'a').c_str());
    EXPECT_EQ(settings.layerNameLength, kLayerNameCapacity - 1);
    settings.SetLayerName(settings.layerName + 250);  // a tail of itself
    EXPECT_STREQ(settings.layerName, "aaaaa");
    EXPECT_EQ(settings.layerNameLength, 5);
    settings.SetLayerName(nullptr);
    EXPECT_EQ(settings.layerNameLength, 0);
    for (std::int32_t style : {1, -4, 99}) {
        settings.SetArcStyle(style);
        EXPECT_TRUE(settings.multipleArcs && !settings.normalArcs);
        EXPECT_EQ(settings.ArcStyle(), 1);
    }
    settings.SetArcStyle(0);
    EXPECT_TRUE(settings.normalArcs && !settings.multipleArcs);
}

TEST(SettingsRecord, ArrowOutlineKeepsTheLastShapeForOtherNumbers) {
    SettingsRecord settings;
    settings.arrowShape = 2;
    ASSERT_TRUE(settings.PrepareArrowOutline());
    for (int shape : {-1, 7, 1000}) {
        settings.arrowShape = shape;
        EXPECT_FALSE(settings.PrepareArrowOutline());
        EXPECT_EQ(settings.arrowOutline.segmentCount, 3);
        EXPECT_TRUE(settings.arrowOutline.closed);
        EXPECT_EQ(settings.arrowOutline.style, ArrowStyle::StrokeStyle);
    }
}

}  // namespace
}  // namespace quill
