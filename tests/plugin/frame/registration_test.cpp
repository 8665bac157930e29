// What start-up registers with the host, and what the registrations do afterwards.
#include <gtest/gtest.h>

#include "plugin/frame/quill_plugin.h"
#include "plugin/support/frame_host.h"
#include "plugin/tools/tool_state.h"

namespace quill {
namespace {

using testing::FakeTool;
using testing::FrameHost;

// The fake host copies texts as they are: the plug-in's Windows-1252 bytes.
const std::string kFamilyGroup = "\xC0 propos des Orl-Outils\x85";
const std::string kAboutItem = "Orl-Quill\x85";

std::vector<FakeTool> PluginTools(const FrameHost& host) {
    std::vector<FakeTool> tools;
    for (const FakeTool& tool : host.tools)
        if (tool.fromPlugin) tools.push_back(tool);
    return tools;
}

TEST(Registration, SixToolsInOneNewGroupAndToolset) {
    FrameHost host;
    host.Start();
    const auto tools = PluginTools(host);
    ASSERT_EQ(tools.size(), 6u);
    const char* const titles[] = {"Outil Segment",          "Outil Angle",
                                  "Outil Cercle",           "Outil B\xE9zier",
                                  "Outil Longueur & Aires", "Outil Param\xE8tres"};
    const char* const tooltips[] = {"Outil Segment 7.0",    "Outil Angle 7.0",
                                    "Outil Cercle 7.0",     "Outil B\xE9zier 7.0",
                                    "Longueur & Aires 7.0", "Outil Param\xE8tres 7.0"};
    for (std::size_t i = 0; i < tools.size(); ++i) {
        EXPECT_EQ(tools[i].title, titles[i]);
        EXPECT_EQ(tools[i].name, titles[i]);
        EXPECT_EQ(tools[i].tooltip, tooltips[i]);
        EXPECT_EQ(tools[i].options, kToolWantsToTrackCursorOption);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(tools[i].icon), 16051 + i);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(tools[i].secondIcon), 16057 + i);
        EXPECT_EQ(tools[i].infoVars, (std::vector<std::int32_t>{15, 16, 23, 19}));
        EXPECT_EQ(tools[i].group, tools[0].group);
        EXPECT_EQ(tools[i].toolset, tools[0].toolset);
        // The tool state knows each tool by its index.
        EXPECT_EQ(Tools().tools[i + 1],
                  reinterpret_cast<AIToolHandle>(static_cast<std::uintptr_t>(i + 2)));
    }
    EXPECT_NE(tools[0].group, host.tools[0].group);  // not the host's own group
}

TEST(Registration, ToolsJoinTheGroupOfASiblingTool) {
    FrameHost host;
    host.AddHostTool("Outil Orl-Plan");
    host.AddHostTool("Outil Orl-Cartouche");
    host.Start();
    const auto tools = PluginTools(host);
    ASSERT_EQ(tools.size(), 6u);
    // The first sibling in the family's order that is present.
    EXPECT_EQ(tools[0].group, host.tools[1].group);
    EXPECT_NE(tools[0].toolset, host.tools[1].toolset);
    for (const FakeTool& tool : tools) {
        EXPECT_EQ(tool.group, host.tools[1].group);
        EXPECT_EQ(tool.toolset, tools[0].toolset);
    }
}

TEST(Registration, AToolThatCannotBeAddedStopsTheLaterOnes) {
    FrameHost host;
    host.Fail("SetToolInfoVars", kBadParameterErr, 1);
    host.Fail("GetFromResource", kNotFoundErr);  // no icons: the tools come all the same
    host.Start();
    ASSERT_NE(host.globals, nullptr);  // start-up goes on
    const auto tools = PluginTools(host);
    ASSERT_EQ(tools.size(), 1u);
    EXPECT_EQ(tools[0].icon, nullptr);
    EXPECT_EQ(host.annotators.size(), 1u);
    EXPECT_TRUE(host.alerts.empty());
}

TEST(Registration, SettingsAreLoadedBeforeTheTools) {
    FrameHost host;
    host.Start();
    // A first start writes every setting with its default.
    EXPECT_EQ(host.preferenceWrites.count("Precision"), 1u);
    const auto firstWrite = std::find(host.calls.begin(), host.calls.end(), "PutPreference");
    const auto firstTool = std::find(host.calls.begin(), host.calls.end(), "AddTool");
    EXPECT_LT(firstWrite, firstTool);
}

TEST(Registration, AboutItemMakesTheFamilySubmenuWhenItIsMissing) {
    FrameHost host;
    host.Start();
    EXPECT_EQ(host.menuGroups, (std::vector<std::string>{"About", kFamilyGroup}));
    ASSERT_EQ(host.menuItems.size(), 2u);
    EXPECT_EQ(host.menuItems[0].group, "About");
    EXPECT_EQ(host.menuItems[0].text, kFamilyGroup);
    EXPECT_EQ(host.menuItems[1].group, kFamilyGroup);
    EXPECT_EQ(host.menuItems[1].text, kAboutItem);
    // The menu suite is taken for this work alone and given back.
    EXPECT_EQ(host.held[kAIMenuSuite], 1);
}

TEST(Registration, AboutItemJoinsTheSubmenuOfTheFamily) {
    FrameHost host;
    host.AddMenuGroup("Autre");
    host.AddMenuGroup(kFamilyGroup);
    host.Start();
    EXPECT_EQ(host.menuGroups.size(), 3u);
    ASSERT_EQ(host.menuItems.size(), 1u);
    EXPECT_EQ(host.menuItems[0].group, kFamilyGroup);
    EXPECT_EQ(host.menuItems[0].text, kAboutItem);
}

TEST(Registration, AboutItemShowsTheAboutBox) {
    FrameHost host;
    host.Start();
    host.ChooseMenuItem(reinterpret_cast<AIMenuItemHandle>(std::uintptr_t{2}));
    ASSERT_EQ(host.alerts.size(), 1u);
    EXPECT_EQ(host.alerts[0].rfind("Orl-Quill 7.0\r", 0), 0u);
    // Another plug-in's item is not Quill's to answer, nor worth an alert.
    host.ChooseMenuItem(reinterpret_cast<AIMenuItemHandle>(std::uintptr_t{1}));
    EXPECT_EQ(host.alerts.size(), 1u);
    // The host's about message shows the plug-in's name.
    host.Send(kSPInterfaceCaller, kSPInterfaceAboutSelector);
    ASSERT_EQ(host.alerts.size(), 2u);
    EXPECT_EQ(host.alerts[1], "Quill\r");
}

TEST(Registration, NotifiersAndAnInactiveAnnotator) {
    FrameHost host;
    host.Start();
    ASSERT_EQ(host.notifiers.size(), 4u);
    const std::pair<std::string, std::string> expected[] = {
        {"Quill App Started Notifier", kAIApplicationStartedNotifier},
        {"Quill", kAIApplicationShutdownNotifier},
        {"Quill", kAIArtSelectionChangedNotifier},
        {"Couleur", kAIArtCustomColorChangedNotifier},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(host.notifiers[i].name, expected[i].first);
        EXPECT_EQ(host.notifiers[i].type, expected[i].second);
    }
    ASSERT_EQ(host.annotators.size(), 1u);
    EXPECT_EQ(host.annotators[0].name, "OrlAnno");
    EXPECT_FALSE(host.annotators[0].active);
}

TEST(Registration, FailedMenuAndNotifiersDoNotStopStartup) {
    FrameHost host;
    host.Fail("AddMenuItem", kBadParameterErr);
    host.Fail("AddNotifier", kBadParameterErr, -1, 1);  // all but the frame's own
    host.Start();
    ASSERT_NE(host.globals, nullptr);
    EXPECT_TRUE(host.menuItems.empty());
    EXPECT_EQ(host.notifiers.size(), 1u);
    EXPECT_EQ(PluginTools(host).size(), 6u);
    EXPECT_EQ(host.annotators.size(), 1u);
    EXPECT_TRUE(host.alerts.empty());
    host.Notify(kAIArtSelectionChangedNotifier);  // no notifier of that kind
    EXPECT_EQ(host.invalidations, 0);
}

TEST(Registration, ApplicationStartedSelectsTheHostsSelectionTool) {
    FrameHost host;
    Tools().currentTool = kParametersTool;
    host.Start();
    EXPECT_EQ(host.selectedTool, 0u);
    EXPECT_EQ(Tools().currentTool, kSegmentTool);
}

TEST(Registration, SelectionChangeInvalidatesTheWholeView) {
    FrameHost host;
    host.Start();
    host.Notify(kAIArtSelectionChangedNotifier);
    EXPECT_EQ(host.invalidations, 1);
    EXPECT_EQ(host.contextDepth, 0);  // pushed and popped around the notification
    // Other notifications draw nothing again.
    host.Notify(kAIApplicationShutdownNotifier);
    host.Notify(kAIArtCustomColorChangedNotifier);
    EXPECT_EQ(host.invalidations, 1);
    EXPECT_TRUE(host.alerts.empty());
}

}  // namespace
}  // namespace quill
