// Frame, tool, feedback, style and preference suites called directly.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "host/core/event_state.h"
#include "host/core/registrations.h"
#include "host/prefs/preference_store.h"
#include "host/suites/handles.h"
#include "session_fixture.h"

namespace host {
namespace {

class FrameSuites : public ::testing::Test {
 protected:
    FrameSuites() { SetCurrentHost(&host); }
    ~FrameSuites() override { SetCurrentHost(nullptr); }
    template <class T>
    const T& Get(const char* name, int version) {
        auto* table = static_cast<const T*>(host.suites().Find(name, version));
        EXPECT_NE(table, nullptr) << name;
        return *table;
    }
    Host host;
};

TEST_F(FrameSuites, PathStylesRoundTripAndRefuseWhatNoStyleHolds) {
    const auto& styles = Get<AIPathStyleSuite>(kAIPathStyleSuite, kAIPathStyleSuiteVersion);
    const auto& colors = Get<AICustomColorSuite>(kAICustomColorSuite, kAICustomColorSuiteVersion);
    AICustomColor spot{kCustomFourColor, {0, 1, 1, 0}, true};
    AICustomColorHandle red = nullptr;
    ASSERT_EQ(colors.NewCustomColor(&spot, "Rouge cote", &red), kNoErr);
    AIPathStyle style{};
    ASSERT_EQ(styles.GetCurrentPathStyle(&style), kNoErr);
    style.fillPaint = true;
    style.fill.color.kind = kCustomColor;
    style.fill.color.c.c = {red, 0.5f};
    style.stroke.width = 0.75f;
    style.stroke.dash.length = 2;
    style.stroke.dash.array[0] = 8;
    style.stroke.dash.array[1] = 7;
    style.stroke.cap = kAIRoundCap;
    ASSERT_EQ(styles.SetCurrentPathStyle(&style), kNoErr);
    const PaintStyle& kept = host.currentPathStyle();
    EXPECT_EQ(kept.fill.customName, "Rouge cote");
    EXPECT_EQ(kept.dash, (std::vector<float>{8, 7}));
    AIPathStyle back{};
    styles.GetCurrentPathStyle(&back);
    EXPECT_EQ(back.fill.color.c.c.color, red);
    EXPECT_EQ(back.stroke.cap, kAIRoundCap);
    AIPathStyle broken = style;
    broken.stroke.dash.length = 7;
    EXPECT_EQ(styles.SetCurrentPathStyle(&broken), kBadParameterErr);
    broken = style;
    broken.stroke.width = std::nanf("");
    EXPECT_EQ(styles.SetCurrentPathStyle(&broken), kBadParameterErr);
    broken = style;
    broken.fill.color.c.c.color = ToHandle<AICustomColorHandle>(12345);
    EXPECT_EQ(styles.SetCurrentPathStyle(&broken), kStaleHandleErr);
    EXPECT_EQ(host.currentPathStyle().width, 0.75f);  // untouched by refused styles
}

TEST_F(FrameSuites, ToolsNumbersGroupsAndTheSelectedTool) {
    auto s = testing::RunSessionInspecting("startup\n", [&](Host& h) {
        const auto& tools =
            *static_cast<const AIToolSuite*>(h.suites().Find(kAIToolSuite, kAIToolSuiteVersion));
        int16_t number = -1;
        EXPECT_EQ(tools.GetToolNumberFromName("Adobe Select Tool", &number), kNoErr);
        EXPECT_EQ(number, 0);
        EXPECT_EQ(tools.GetToolNumberFromName("Outil Angle", &number), kNoErr);
        EXPECT_EQ(number, 2);
        EXPECT_EQ(tools.GetToolNumberFromName("Outil Cercle", &number), kNotFoundErr);
        AIToolHandle tool = nullptr;
        EXPECT_EQ(tools.GetToolHandleFromNumber(3, &tool), kOutOfRangeErr);
        EXPECT_EQ(tools.GetToolHandleFromNumber(2, &tool), kNoErr);
        const char* name = nullptr;
        tools.GetToolName(tool, &name);
        EXPECT_STREQ(name, "Outil Angle");
        AIAddToolData data{"X", "X", nullptr, nullptr, 9, kNoTool};
        AIToolHandle added = nullptr;
        SPPluginRef self = ToHandle<SPPluginRef>(h.registrations().tools()[1].plugin);
        EXPECT_EQ(tools.AddTool(self, "X", &data, 0, &added), kBadParameterErr);
        // An icon the plug-in's resources lack is not found.
        const auto& icons =
            *static_cast<const ADMIconSuite*>(h.suites().Find(kADMIconSuite, kADMIconSuiteVersion));
        ADMIconRef icon = nullptr;
        EXPECT_EQ(icons.GetFromResource(self, 4242, &icon), kNotFoundErr);
        EXPECT_EQ(tools.SetSelectedTool(ToHandle<AIToolHandle>(99)), kStaleHandleErr);
        const int32_t vars[] = {15, 16, 23, 19, kNoMoreInfoVars};
        EXPECT_EQ(tools.SetToolInfoVars(tool, vars), kNoErr);
        EXPECT_EQ(h.registrations().tools()[2].infoVars, (std::vector<int32_t>{15, 16, 23, 19}));
    });
    EXPECT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
}

TEST_F(FrameSuites, TheDrawerLivesOnlyDuringItsPass) {
    const auto& drawer =
        Get<AIAnnotatorDrawerSuite>(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion);
    AIPoint a{0, 0}, b{5, 5};
    AIAnnotatorDrawer stale = ToHandle<AIAnnotatorDrawer>(42);
    EXPECT_EQ(drawer.DrawLine(stale, &a, &b), kStaleHandleErr);
    host.event().drawer = DrawerState{42};
    EXPECT_EQ(drawer.SetLineDashed(stale, true), kNoErr);
    EXPECT_EQ(drawer.DrawLine(stale, &a, nullptr), kBadParameterErr);
    EXPECT_EQ(drawer.SetLineWidth(stale, -1), kBadParameterErr);
    EXPECT_EQ(drawer.DrawLine(stale, &a, &b), kNoErr);
    ASSERT_EQ(host.log().annotation.size(), 1u);
    EXPECT_TRUE(host.log().annotation[0].dashed);
}

// A group another plug-in made is shared, as the dump shows (the plug-in frame scenario);
// here what the menu suite refuses.
TEST_F(FrameSuites, MenusGroupsAreFoundByNameAndSharedWithOtherPlugins) {
    auto s = testing::RunSessionInspecting(
        "menu-group \"À propos des Orl-Outils…\"\nstartup\n", [&](Host& h) {
            const auto& menus = *static_cast<const AIMenuSuite*>(
                h.suites().Find(kAIMenuSuite, kAIMenuSuiteVersion));
            AIMenuGroup group = nullptr;
            EXPECT_EQ(menus.GetNthMenuGroup(2, &group), kOutOfRangeErr);
            AIMenuItemHandle item = nullptr;
            SPPluginRef self = ToHandle<SPPluginRef>(h.registrations().tools()[1].plugin);
            EXPECT_EQ(menus.AddMenuItem(self, "n", "No Such Group", "t", 0, &item), kNotFoundErr);
            AIMenuGroup again = nullptr;
            menus.AddMenuItem(self, "n", "About", "t", 0, &item);
            EXPECT_EQ(menus.AddMenuGroupAsSubMenu("À propos des Orl-Outils…", 0, item, &again),
                      kBadParameterErr);
        });
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
}

TEST_F(FrameSuites, PreferenceSuiteKindsAndStrings) {
    const auto& prefs = Get<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
    ASSERT_EQ(prefs.PutStringPreference("ORLQUILL", "Police", "Times New Roman"), kNoErr);
    char font[6] = "?";
    EXPECT_EQ(prefs.GetStringPreference("ORLQUILL", "Police", font, sizeof font), kNoErr);
    EXPECT_STREQ(font, "Times");
    AIBoolean flag = true;
    EXPECT_EQ(prefs.GetBooleanPreference("ORLQUILL", "Absent", &flag), kNoErr);
    EXPECT_TRUE(flag);
    EXPECT_EQ(prefs.GetBooleanPreference("ORLQUILL", "Police", &flag), kWrongTypeErr);
    EXPECT_EQ(prefs.PutRealPreference("ORLQUILL", "Zoom", std::nan("")), kBadParameterErr);
    EXPECT_EQ(prefs.PutIntegerPreference(nullptr, "snapomatic/x", 3), kNoErr);
    EXPECT_NE(host.preferences().Find("", "snapomatic/x"), nullptr);
    EXPECT_EQ(prefs.GetIntegerPreference("ORLQUILL", nullptr, nullptr), kBadParameterErr);
}

TEST_F(FrameSuites, BlocksAndMemoryHandlesAreFreedOnlyOnce) {
    const auto& blocks = Get<SPBlocksSuite>(kSPBlocksSuite, kSPBlocksSuiteVersion);
    const auto& memory = Get<AIMdMemorySuite>(kAIMdMemorySuite, kAIMdMemorySuiteVersion);
    void* block = nullptr;
    ASSERT_EQ(blocks.AllocateBlock(16, "test", &block), kNoErr);
    EXPECT_EQ(blocks.FreeBlock(block), kNoErr);
    EXPECT_EQ(blocks.FreeBlock(block), kBadParameterErr);
    void* handle = nullptr;
    ASSERT_EQ(memory.MdMemoryNewHandle(8, &handle), kNoErr);
    EXPECT_EQ(memory.MdMemoryDisposeHandle(handle), kNoErr);
    EXPECT_EQ(memory.MdMemoryDisposeHandle(handle), kBadParameterErr);
    int local = 0;
    EXPECT_EQ(blocks.FreeBlock(&local), kBadParameterErr);
}

}  // namespace
}  // namespace host
