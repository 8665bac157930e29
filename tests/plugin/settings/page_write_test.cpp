#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_preference_host.h"
#include "plugin/settings/preference_storage.h"

namespace quill {
namespace {

using testing::Fake;

class PageWrite : public ::testing::Test {
 protected:
    void SetUp() override {
        ASSERT_EQ(ResetPreferences(settings, panel), kNoErr);
        Fake().writes.clear();
    }
    std::vector<std::string> WriteWithOpen(PanelPage page) {
        panel.ClearPageFlags();
        panel.pageOpen[static_cast<int>(page)] = true;
        Fake().writes.clear();
        EXPECT_EQ(WritePanelPage(settings, panel), kNoErr);
        return Fake().writes;
    }

    testing::FakeHostSuites suites;
    SettingsRecord settings;
    PanelState panel;
};

TEST_F(PageWrite, EachPageWritesItsKeysInOrder) {
    using Keys = std::vector<std::string>;
    EXPECT_EQ(WriteWithOpen(PanelPage::LayerName), Keys{"NomCalque"});
    EXPECT_EQ(WriteWithOpen(PanelPage::NumberFormat), (Keys{"Virgule", "Separateur", "Precision"}));
    EXPECT_EQ(WriteWithOpen(PanelPage::AngleTool),
              (Keys{"StyleArc", "NbArcs", "EcartArcs", "RayonAngle"}));
    EXPECT_EQ(WriteWithOpen(PanelPage::Arrowheads), (Keys{"NumeroDeFleche", "Zoom"}));
    EXPECT_EQ(WriteWithOpen(PanelPage::Colours).size(), 21u);
    EXPECT_EQ(WriteWithOpen(PanelPage::Tolerances),
              (Keys{"AvecToleranceUn", "ToleranceUn", "DecaleToleranceUn", "AvecToleranceDeux",
                    "ToleranceDeux", "DecaleToleranceDeux", "SymboleToleUn", "SymboleToleDeux",
                    "CoefToleranceUn", "CoefToleranceDeux"}));

    // The chooser has every page open: the first in the write order is written.
    for (bool& open : panel.pageOpen) open = true;
    Fake().writes.clear();
    EXPECT_EQ(WritePanelPage(settings, panel), kNoErr);
    EXPECT_EQ(Fake().writes, Keys{"NomCalque"});

    panel.ClearPageFlags();
    Fake().writes.clear();
    EXPECT_EQ(WritePanelPage(settings, panel), kNoErr);
    EXPECT_TRUE(Fake().writes.empty());
}

TEST_F(PageWrite, FailedWriteStopsThePageButClosesThePanel) {
    Fake().Fail("PutRealPreference", "DecalageSegY");
    panel.phase = PanelPhase::ClosingAtMouseUp;
    panel.pageOpen[static_cast<int>(PanelPage::SegmentTool)] = true;
    settings.extensionGap = 4;
    EXPECT_EQ(WritePanelPage(settings, panel), kCantHappenErr);
    EXPECT_EQ(Fake().writes, (std::vector<std::string>{"TypeDeCote", "TexteHoriz"}));
    EXPECT_EQ(Fake().alerts.size(), 1u);
    EXPECT_EQ(panel.phase, PanelPhase::Closed);
    EXPECT_FALSE(panel.IsOpen(PanelPage::SegmentTool));

    // A recalled group whose "NumSetPrefs" cannot be written is tried again next time.
    Fake().failures.clear();
    Fake().Fail("PutIntegerPreference", "NumSetPrefs");
    panel.groupRecalled = true;
    EXPECT_NE(WritePanelPage(settings, panel), kNoErr);
    EXPECT_TRUE(panel.groupRecalled);
}

}  // namespace
}  // namespace quill
