// The plug-in's life as a host sees it through PluginMain: start-up, messages, unload and
// reload, shutdown; and what it leaves behind when start-up fails.
#include <gtest/gtest.h>

#include "plugin/frame/keyboard.h"
#include "plugin/frame/quill_plugin.h"
#include "plugin/frame/suite_acquisition.h"
#include "plugin/frame/suites.h"
#include "plugin/support/frame_host.h"

namespace quill {
namespace {

using testing::FrameHost;

// Messages of every kind, each with a record of the right shape.
void SendAssortedMessages(FrameHost& host) {
    AIToolMessage tool{};
    host.Send(kCallerAITool, kSelectorAIToolMouseDown, &tool.d);
    host.Send(kCallerAITool, kSelectorAISelectTool, &tool.d);
    AINotifierMessage notification{};
    notification.type = kAIArtSelectionChangedNotifier;
    host.Send(kCallerAINotify, kSelectorAINotify, &notification.d);
    AIMenuMessage menu{};
    host.Send(kCallerAIMenu, kSelectorAIGoMenuItem, &menu.d);
    AIAnnotatorMessage annotation{};
    host.Send(kCallerAIAnnotation, kSelectorAIDrawAnnotation, &annotation.d);
    host.Send(kSPAccessCaller, kSPAccessUnloadSelector);
    host.Send(kSPCacheCaller, kSPPluginPurgeCachesSelector);
    host.Send("Workspace Manager", "Write Woskspace");
}

TEST(Lifecycle, MessagesBeforeStartupAndAfterShutdownTouchNothing) {
    FrameHost host;
    SendAssortedMessages(host);
    host.Send(kSPInterfaceCaller, kSPInterfaceShutdownSelector);
    host.Send(kSPAccessCaller, kSPAccessReloadSelector);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(host.globals, nullptr);

    host.Start();
    host.Shutdown();
    EXPECT_EQ(host.globals, nullptr);
    const std::size_t callsAtShutdown = host.calls.size();
    SendAssortedMessages(host);
    host.Send(kSPAccessCaller, kSPAccessReloadSelector);
    EXPECT_EQ(host.calls.size(), callsAtShutdown);
    EXPECT_TRUE(host.held.empty());
}

TEST(Lifecycle, StartupRegistersOnceEvenWhenRoutedTwice) {
    FrameHost host;
    EXPECT_EQ(host.Send(kSPInterfaceCaller, kSPInterfaceStartupSelector), kNoErr);
    ASSERT_NE(host.globals, nullptr);
    // The start-up message also went through the router, which answered it without
    // starting again: one name, one set of registrations.
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "SetPluginName"), 1);
    EXPECT_EQ(host.annotators.size(), 1u);
    // A host that sends start-up again keeps the plug-in it has.
    void* const plugin = host.globals;
    host.Send(kSPInterfaceCaller, kSPInterfaceStartupSelector);
    EXPECT_EQ(host.globals, plugin);
    EXPECT_EQ(host.annotators.size(), 1u);
    EXPECT_TRUE(host.alerts.empty());
}

TEST(Lifecycle, AMissingRequiredSuiteFailsStartupSilently) {
    for (const char* suite : {kAISwatchGroupSuite, kAIUndoSuite, kADMBasicSuite, kAIToolSuite}) {
        FrameHost host;
        host.Withhold(suite);
        EXPECT_EQ(host.Send(kSPInterfaceCaller, kSPInterfaceStartupSelector), kNoErr) << suite;
        EXPECT_EQ(host.globals, nullptr) << suite;
        EXPECT_TRUE(host.tools.size() == 1 && host.menuItems.empty() && host.notifiers.empty() &&
                    host.annotators.empty())
            << suite;
        EXPECT_TRUE(host.held.empty()) << suite;  // what was acquired went back
        EXPECT_EQ(sAIArt, nullptr) << suite;
        EXPECT_TRUE(host.alerts.empty()) << suite;
        EXPECT_EQ(Suites::HolderCount(), 0) << suite;
    }
}

TEST(Lifecycle, FailedAnnotatorFailsStartupAndLeavesNothingHeld) {
    FrameHost host;
    host.Fail("SetAnnotatorActive", kBadParameterErr, 1);
    host.Start();
    EXPECT_EQ(host.globals, nullptr);
    EXPECT_TRUE(host.held.empty());
    EXPECT_EQ(host.accessReferences, 0);
    EXPECT_EQ(Suites::HolderCount(), 0);
    // The host may try again.
    host.Start();
    EXPECT_NE(host.globals, nullptr);
}

TEST(Lifecycle, FailuresBeforeTheRegistrationsStopStartup) {
    for (const char* function :
         {"SetPluginName", "AddNotifier", "GetPluginOptions", "SetPluginOptions"}) {
        FrameHost host;
        host.Fail(function, kBadParameterErr, 1);
        host.Start();
        EXPECT_EQ(host.globals, nullptr) << function;
        EXPECT_TRUE(host.held.empty()) << function;
        EXPECT_EQ(host.accessReferences, 0) << function;
        EXPECT_TRUE(host.tools.size() == 1 && host.annotators.empty()) << function;
    }
}

TEST(Lifecycle, StartupLocksTheLibraryAndSetsTheOption) {
    FrameHost host;
    host.pluginOptions = 0x10;
    host.Start();
    EXPECT_EQ(host.pluginName, "Quill");
    EXPECT_EQ(host.pluginOptions, 0x12);
    EXPECT_EQ(host.accessReferences, 1);
    auto* plugin = static_cast<QuillPlugIn*>(host.globals);
    // Locks are counted; the library stays locked until the last unlock.
    plugin->LockPlugin(true);
    EXPECT_EQ(host.accessReferences, 1);
    plugin->LockPlugin(false);
    EXPECT_EQ(host.accessReferences, 1);
    plugin->LockPlugin(false);
    EXPECT_EQ(host.accessReferences, 0);
    plugin->LockPlugin(false);  // one unlock too many changes nothing
    plugin->LockPlugin(true);
    EXPECT_EQ(host.accessReferences, 1);
}

TEST(Lifecycle, UnloadThenReloadKeepsTheObjectAndTakesTheSuitesAgain) {
    FrameHost host;
    host.Start();
    void* const plugin = host.globals;
    auto* quill = static_cast<QuillPlugIn*>(plugin);
    const AIAnnotatorHandle annotator = quill->annotator();
    host.Send(kSPAccessCaller, kSPAccessUnloadSelector);
    EXPECT_EQ(host.globals, plugin);
    EXPECT_TRUE(host.held.empty());
    EXPECT_EQ(sAITool, nullptr);
    // Without its suites the object answers nothing.
    const std::size_t calls = host.calls.size();
    host.Notify(kAIArtSelectionChangedNotifier);
    EXPECT_EQ(host.calls.size(), calls);

    host.Send(kSPAccessCaller, kSPAccessReloadSelector);
    EXPECT_EQ(host.globals, plugin);
    EXPECT_EQ(quill->annotator(), annotator);
    EXPECT_NE(sAITool, nullptr);
    EXPECT_EQ(host.held.count(kAISwatchGroupSuite), 1u);
    host.Notify(kAIArtSelectionChangedNotifier);
    EXPECT_EQ(host.invalidations, 1);
    // A reload that cannot take its suites leaves the object waiting, silent.
    host.Send(kSPAccessCaller, kSPAccessUnloadSelector);
    host.Withhold(kAIUndoSuite);
    host.Send(kSPAccessCaller, kSPAccessReloadSelector);
    EXPECT_EQ(host.globals, plugin);
    EXPECT_TRUE(host.held.empty());
    host.Notify(kAIArtSelectionChangedNotifier);
    EXPECT_EQ(host.invalidations, 1);
}

TEST(Lifecycle, ShutdownReleasesEverySuiteInOrder) {
    FrameHost host;
    host.Start();
    EXPECT_FALSE(KeyIsDown(kVirtualKeyShift));  // takes the keyboard suite
    host.acquisitions.clear();
    host.Shutdown();
    std::vector<std::string> expected = {"-SP Access Suite 3", "-SP Plug-ins Suite 4",
                                         "-AI Notifier Suite 2", "-AI Context Suite 5",
                                         "-ADM Basic Suite 10"};
    for (const ImportSuite* row = kImportSuites; row->name; ++row)
        expected.push_back("-" + std::string(row->name) + " " + std::to_string(row->version));
    expected.push_back("-AI Keyboard State Suite 1");
    EXPECT_EQ(host.acquisitions, expected);
    EXPECT_TRUE(host.held.empty());
    EXPECT_EQ(host.globals, nullptr);
    EXPECT_EQ(sSPAccess, nullptr);
    EXPECT_EQ(sAISwatchGroup, nullptr);
    // The library stays locked: the host unloads it once it quits.
    EXPECT_EQ(host.accessReferences, 1);
}
}  // namespace
}  // namespace quill
