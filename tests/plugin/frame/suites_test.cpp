// Acquiring and releasing the suites of a table, optional rows included.
#include "plugin/services/suite_acquisition.h"

#include <gtest/gtest.h>

#include "plugin/services/keyboard.h"
#include "plugin/services/suites.h"
#include "plugin/support/fake_basic_suite.h"

namespace quill {
namespace {

using testing::FakeBasicSuite;

const void* toolSuite = nullptr;
const void* menuSuite = nullptr;
const void* undoSuite = nullptr;
const void* swatchSuite = nullptr;

// Two required rows (and one without a global), then two optional ones.
const ImportSuite kTable[] = {
    {kAIToolSuite, kAIToolSuiteVersion, &toolSuite},
    {kAIArtSuite, kAIArtSuiteVersion, nullptr},
    {kAIMenuSuite, kAIMenuSuiteVersion, &menuSuite},
    {nullptr, kOptionalSuitesMarker, nullptr},
    {kAIUndoSuite, kAIUndoSuiteVersion, &undoSuite},
    {kAISwatchListSuite, kAISwatchListSuiteVersion, &swatchSuite},
    {nullptr, 0, nullptr},
};

class SuiteAcquisition : public ::testing::Test {
 protected:
    FakeBasicSuite host;
};

TEST_F(SuiteAcquisition, OptionalRowsAreTakenWhenTheHostOffersThem) {
    host.Withhold(kAISwatchListSuite);
    {
        Suites suites(kTable);
        EXPECT_EQ(suites.Error(), kNoErr);
        EXPECT_EQ(suites.RequiredCount(), 3);
        EXPECT_EQ(suites.OptionalCount(), 2);
        EXPECT_EQ(suites.AcquiredOptionalCount(), 1);
        EXPECT_NE(toolSuite, nullptr);
        EXPECT_NE(undoSuite, nullptr);
        EXPECT_EQ(swatchSuite, nullptr);
        EXPECT_EQ(host.held.count(kAIArtSuite), 0u);  // a row without a global is skipped
        EXPECT_NE(sADMBasic, nullptr);                // the basic rows come first

        suites.AcquireOptionalSuites();
        EXPECT_EQ(suites.AcquiredOptionalCount(), 1);
        // Later the host offers it: the next message takes it.
        host.Offer(kAISwatchListSuite);
        suites.AcquireOptionalSuites();
        EXPECT_EQ(suites.AcquiredOptionalCount(), 2);
        EXPECT_NE(swatchSuite, nullptr);
    }
    EXPECT_TRUE(host.held.empty());
    EXPECT_EQ(toolSuite, nullptr);
    EXPECT_EQ(undoSuite, nullptr);
    EXPECT_EQ(sADMBasic, nullptr);
}

TEST_F(SuiteAcquisition, ReleaseFollowsTheTablesOrder) {
    {
        Suites suites(kTable);
        ASSERT_EQ(suites.AcquiredOptionalCount(), 2);
        host.acquisitions.clear();
    }
    EXPECT_EQ(host.acquisitions,
              (std::vector<std::string>{
                  "-SP Access Suite 3", "-SP Plug-ins Suite 4", "-AI Notifier Suite 2",
                  "-AI Context Suite 5", "-ADM Basic Suite 10", "-AI Tool Suite 11",
                  "-AI Menu Suite 9", "-AI Undo Suite 5", "-AI Swatch List Suite 5"}));
}

TEST_F(SuiteAcquisition, SuitesAreHeldOncePerProcess) {
    auto first = std::make_unique<Suites>(kTable);
    const std::size_t acquired = host.acquisitions.size();
    auto second = std::make_unique<Suites>(kTable);
    EXPECT_EQ(second->Error(), kNoErr);
    EXPECT_EQ(Suites::HolderCount(), 2);
    EXPECT_EQ(host.acquisitions.size(), acquired);
    first.reset();
    EXPECT_NE(toolSuite, nullptr);  // still held for the second
    second.reset();
    EXPECT_EQ(Suites::HolderCount(), 0);
    EXPECT_EQ(toolSuite, nullptr);
    EXPECT_TRUE(host.held.empty());
}

TEST_F(SuiteAcquisition, AFailedReleaseStopsTheRequiredRowsButClearsTheirGlobals) {
    {
        Suites suites(kTable);
        host.FailRelease(kBadParameterErr, 5);  // the first import row
        host.acquisitions.clear();
    }
    EXPECT_EQ(host.acquisitions.size(), 7u);  // five basic, then the optional two
    EXPECT_EQ(toolSuite, nullptr);
    EXPECT_EQ(menuSuite, nullptr);
    EXPECT_EQ(undoSuite, nullptr);
}

TEST_F(SuiteAcquisition, KeyboardStateIsTakenOnDemandAndGivenBackLast) {
    {
        Suites suites(kTable);
        host.keysDown = {kVirtualKeyShift, kVirtualKeyRightShift};
        EXPECT_TRUE(KeyIsDown(kVirtualKeyShift));
        EXPECT_TRUE(KeyIsDown(kVirtualKeyRightShift));
        EXPECT_FALSE(KeyIsDown(kVirtualKeyAlt));
        EXPECT_EQ(host.held[kAIKeyboardStateSuite], 1);  // taken once for every question
        host.acquisitions.clear();
    }
    ASSERT_FALSE(host.acquisitions.empty());
    EXPECT_EQ(host.acquisitions.back(), "-AI Keyboard State Suite 1");
    EXPECT_TRUE(host.held.empty());
    // Without the suite no key is down.
    host.Withhold(kAIKeyboardStateSuite);
    EXPECT_FALSE(KeyIsDown(kVirtualKeyShift));
}

}  // namespace
}  // namespace quill
