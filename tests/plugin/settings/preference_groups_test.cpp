#include "plugin/settings/preference_groups.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fake_preference_host.h"
#include "plugin/geometry/arrow_shapes.h"
#include "plugin/settings/preference_storage.h"

namespace quill {
namespace {

using testing::Fake;
using testing::RealValue;

class PreferenceGroups : public ::testing::Test {
 protected:
    void SetUp() override { ASSERT_EQ(ResetPreferences(settings, panel), kNoErr); }

    testing::FakeHostSuites suites;
    SettingsRecord settings;
    PanelState panel;
};

// (The keys written, "UnitePrefsQuatre" among them, are the storage's and the panel's.)
TEST_F(PreferenceGroups, NoKeyForAGroupBeyondTheFourth) {
    char key[kGroupKeyCapacity];
    GroupKey(GroupField::TextSize, 4, key);
    EXPECT_STREQ(key, "");
}

TEST_F(PreferenceGroups, RecallSetsTheEightSettingsAndTheScaleFactor) {
    struct Case {
        int group;
        double textSize, arrowSize, lineWidth, scaleFactor;
        int shape, unit, precision;
    };
    // (Group 4 recalled and shown is the panel's scenario.)
    const Case cases[] = {{3, 16, 250, 1.5, 0.01, 1, 6, 1}, {1, 12, 150, 1, 1, 0, 6, 2}};
    for (const Case& c : cases) {
        panel.groupRecalled = false;
        RecallGroup(c.group, settings, panel);
        EXPECT_EQ(settings.lastGroup, c.group - 1);
        EXPECT_EQ(settings.textSize, c.textSize) << c.group;
        EXPECT_EQ(settings.arrowSize, c.arrowSize) << c.group;
        EXPECT_EQ(settings.lineWidth, c.lineWidth) << c.group;
        EXPECT_DOUBLE_EQ(settings.scaleFactor, c.scaleFactor) << c.group;
        EXPECT_EQ(settings.arrowShape, c.shape) << c.group;
        EXPECT_EQ(settings.unit, c.unit) << c.group;
        EXPECT_EQ(settings.precision, c.precision) << c.group;
        EXPECT_TRUE(panel.groupRecalled);
    }
    EXPECT_EQ(settings.arrowOutline.segmentCount, 6);  // shape 0 of group 1 prepared

    const SettingsRecord before = settings;
    panel.groupRecalled = false;
    RecallGroup(5, settings, panel);  // below row 4: nothing is recalled
    EXPECT_EQ(settings.lastGroup, before.lastGroup);
    EXPECT_EQ(settings.textSize, before.textSize);
    EXPECT_FALSE(panel.groupRecalled);
}

TEST_F(PreferenceGroups, RecallTruncatesStrangeStoredValues) {
    settings.groups[0].unit = 1.9;
    settings.groups[0].precision = -2.7;
    settings.groups[0].arrowShape = 1e300;
    settings.groups[1].arrowShape = std::nan("");
    RecallGroup(1, settings, panel);
    EXPECT_EQ(settings.unit, 1);
    EXPECT_EQ(settings.precision, -2);
    EXPECT_EQ(settings.arrowShape, 2147483647);
    RecallGroup(2, settings, panel);
    EXPECT_EQ(settings.arrowShape, 0);
}

// (A unit placed from its page, recalled and kept through a restart is the panel's
// scenario.)
TEST_F(PreferenceGroups, PlacedValuesAreWrittenAtOnce) {
    settings.SetScale(1, 20);
    Fake().writes.clear();
    PlaceInGroup(GroupButtons::Scale, 2, settings, panel);
    EXPECT_EQ(Fake().writes,
              (std::vector<std::string>{"EchelleNumPrefsDeux", "EchelleDenPrefsDeux"}));
    EXPECT_TRUE(panel.pageChanged[static_cast<int>(PanelPage::Scale)]);
    settings.arrowSize = 75;
    PlaceInGroup(GroupButtons::ArrowSize, 3, settings, panel);
    EXPECT_EQ(Fake().store["ZoomPrefsTrois"], RealValue(75));
    EXPECT_EQ(panel.lastGroupButton[static_cast<int>(GroupButtons::ArrowSize)], 3);
    EXPECT_EQ(panel.lastGroupButton[static_cast<int>(GroupButtons::ArrowShape)], 1);
    EXPECT_TRUE(panel.pageChanged[static_cast<int>(PanelPage::Arrowheads)]);

    Fake().writes.clear();
    PlaceInGroup(GroupButtons::TextSize, 0, settings, panel);  // no such button
    EXPECT_TRUE(Fake().writes.empty());
}

TEST_F(PreferenceGroups, PlacingIgnoresAFailedWrite) {
    Fake().Fail("PutRealPreference", "CorpsPrefsDeux");
    settings.textSize = 9;
    PlaceInGroup(GroupButtons::TextSize, 2, settings, panel);
    EXPECT_EQ(settings.groups[1].textSize, 9);
    EXPECT_TRUE(Fake().alerts.empty());
    EXPECT_EQ(panel.lastGroupButton[static_cast<int>(GroupButtons::TextSize)], 2);
    EXPECT_TRUE(panel.pageChanged[static_cast<int>(PanelPage::TextSize)]);
}

}  // namespace
}  // namespace quill
