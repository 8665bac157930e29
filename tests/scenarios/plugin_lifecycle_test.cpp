// The plug-in's life as the stand-in host drives it through PluginMain: messages before
// start-up (after shutdown they meet the same empty globals), start-up routed twice,
// start-ups that fail, the lock and the option, unload and reload, and the suites given
// back at shutdown.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "host/core/event_state.h"
#include "plugin/services/suite_acquisition.h"
#include "scenarios/plugin_session.h"

namespace quill {
namespace {

using testing::PluginSession;

// One message of every kind the host sends, each with a record of the right shape; the
// tool, menu and notifier handles name nothing.
void SendAssortedMessages(PluginSession& session) {
    AIToolMessage tool{};
    session.Send(kCallerAITool, kSelectorAISelectTool, &tool.d);
    session.Send(kCallerAITool, kSelectorAIToolMouseDown, &tool.d);
    AINotifierMessage notification{};
    notification.type = kAIArtSelectionChangedNotifier;
    session.Send(kCallerAINotify, kSelectorAINotify, &notification.d);
    AIMenuMessage menu{};
    session.Send(kCallerAIMenu, kSelectorAIGoMenuItem, &menu.d);
    AIAnnotatorMessage annotation{};
    session.Send(kCallerAIAnnotation, kSelectorAIDrawAnnotation, &annotation.d);
    session.Send(kSPInterfaceCaller, kSPInterfaceAboutSelector);
    session.Send(kSPCacheCaller, kSPPluginPurgeCachesSelector);
    session.Send("Workspace Manager", "Write Woskspace");
    session.Send(kSPAccessCaller, kSPAccessUnloadSelector);
    session.Send(kSPAccessCaller, kSPAccessReloadSelector);
    session.Send(kSPInterfaceCaller, kSPInterfaceShutdownSelector);
}

// What the plug-in has done with the host, for comparing before and after.
struct Footprint {
    std::map<std::string, int> acquired;
    std::size_t tools, menuItems, notifiers, annotators, accessRefs, alerts;
    std::string name;
    bool operator==(const Footprint& o) const {
        return acquired == o.acquired && tools == o.tools && menuItems == o.menuItems &&
               notifiers == o.notifiers && annotators == o.annotators &&
               accessRefs == o.accessRefs && alerts == o.alerts && name == o.name;
    }
};

Footprint FootprintOf(PluginSession& session) {
    Footprint print;
    for (const auto& [suite, use] : session.host().plugins().suiteUse())
        print.acquired[suite] = use.acquired;
    host::Registrations& r = session.registrations();
    print.tools = r.tools().size();
    print.menuItems = r.menuItems().size();
    print.notifiers = r.notifiers().size();
    print.annotators = r.annotators().size();
    print.accessRefs = session.plugin()->accessRefs.size();
    print.alerts = session.alerts().size();
    print.name = session.plugin()->name;
    return print;
}

TEST(PluginLife, MessagesBeforeStartupChangeNothing) {
    PluginSession session(QUILL_PLUGIN_WITH_ERROR_LIST);
    host::LoadedPlugin* plugin = session.LoadOnly();
    ASSERT_NE(plugin, nullptr);
    const Footprint loaded = FootprintOf(session);
    SendAssortedMessages(session);
    EXPECT_EQ(plugin->globals, nullptr);
    EXPECT_TRUE(session.host().plugins().suiteUse().empty());
    EXPECT_TRUE(FootprintOf(session) == loaded);
    // The plug-in starts as usual afterwards.
    session.Run("startup");
    EXPECT_NE(plugin->globals, nullptr);
    EXPECT_EQ(session.PluginTools().size(), 6u);
}

TEST(PluginLife, StartupRunsOnceThoughItIsRoutedTwice) {
    PluginSession session;
    session.Run("startup");
    host::LoadedPlugin* plugin = session.plugin();
    void* const object = plugin->globals;
    ASSERT_NE(object, nullptr);
    // The entry point started the plug-in, then routed start-up, which started nothing.
    EXPECT_EQ(session.registrations().annotators().size(), 1u);
    EXPECT_EQ(session.registrations().notifiers().size(), 4u);
    EXPECT_EQ(session.host().plugins().suiteUse()[kAIToolSuite].acquired, 1);
    // A host that sends start-up again keeps the plug-in it has.
    const Footprint started = FootprintOf(session);
    EXPECT_EQ(session.Send(kSPInterfaceCaller, kSPInterfaceStartupSelector), kNoErr);
    EXPECT_EQ(plugin->globals, object);
    EXPECT_TRUE(FootprintOf(session) == started);
}

TEST(PluginLife, AMissingRequiredSuiteFailsStartupSilently) {
    for (const char* suite : {kAISwatchGroupSuite, kAIUndoSuite, kADMBasicSuite, kAIToolSuite,
                              kSPAccessSuite, kParaFeaturesSuite}) {
        PluginSession session(QUILL_PLUGIN_WITH_ERROR_LIST);
        session.Run("suite off \"" + std::string(suite) + "\"\nstartup");
        host::LoadedPlugin* plugin = session.plugin();
        EXPECT_EQ(plugin->globals, nullptr) << suite;
        EXPECT_TRUE(session.SuitesHeld().empty()) << suite;  // what was taken went back
        EXPECT_TRUE(session.PluginTools().empty()) << suite;
        EXPECT_TRUE(session.registrations().notifiers().empty()) << suite;
        EXPECT_TRUE(session.registrations().menuItems().empty()) << suite;
        EXPECT_TRUE(session.registrations().annotators().empty()) << suite;
        EXPECT_TRUE(plugin->accessRefs.empty()) << suite;
        EXPECT_TRUE(session.alerts().empty()) << suite;
    }
}

TEST(PluginLife, FailuresBeforeTheAnnotatorStopStartupAndLeaveNothingHeld) {
    const char* const failing[] = {"Plugins.SetPluginName", "Notifier.AddNotifier",
                                   "Plugin.GetPluginOptions", "Plugin.SetPluginOptions",
                                   "Annotator.SetAnnotatorActive"};
    for (const std::string function : failing) {
        PluginSession session(QUILL_PLUGIN_WITH_ERROR_LIST);
        session.Run("fail " + function + " \"PARM\" 1\nstartup");
        host::LoadedPlugin* plugin = session.plugin();
        EXPECT_EQ(plugin->globals, nullptr) << function;
        EXPECT_TRUE(session.SuitesHeld().empty()) << function;
        EXPECT_TRUE(plugin->accessRefs.empty()) << function;
        EXPECT_TRUE(session.alerts().empty()) << function;
        // Only the annotator comes after the tools.
        const bool registered = function == "Annotator.SetAnnotatorActive";
        EXPECT_EQ(session.PluginTools().size(), registered ? 6u : 0u) << function;
    }
}

TEST(PluginLife, StartupLocksTheLibraryAndAddsItsOption) {
    PluginSession session;
    host::LoadedPlugin* plugin = session.LoadOnly();
    plugin->options = 0x10;
    session.Run("startup");
    EXPECT_EQ(plugin->name, "Quill");
    EXPECT_EQ(plugin->options, 0x12);
    EXPECT_EQ(plugin->accessRefs.size(), 1u);
    // Shutdown leaves the lock: the host unloads the library once it quits.
    session.Run("shutdown");
    EXPECT_EQ(plugin->accessRefs.size(), 1u);
    EXPECT_TRUE(plugin->library.loaded());
}

TEST(PluginLife, UnloadThenReloadKeepsTheObjectAndTakesTheSuitesAgain) {
    PluginSession session(QUILL_PLUGIN_WITH_ERROR_LIST);
    session.Run("startup");
    host::LoadedPlugin* plugin = session.plugin();
    void* const object = plugin->globals;
    session.Run("unload");
    EXPECT_EQ(plugin->globals, object);
    EXPECT_FALSE(plugin->library.loaded());
    EXPECT_TRUE(session.SuitesHeld().empty());

    session.Run("reload");
    EXPECT_EQ(plugin->globals, object);
    EXPECT_EQ(session.host().plugins().suiteUse()[kAISwatchGroupSuite].acquired, 2);
    EXPECT_FALSE(session.SuitesHeld().empty());
    // The object kept its notifier handles: a selection change still redraws.
    session.host().Notify(kAIArtSelectionChangedNotifier);
    EXPECT_TRUE(session.host().event().annotationRequested);
    session.host().FinishEvent(false);

    // A reload that cannot take its suites leaves the object waiting, silent.
    session.Run("unload\nsuite off \"AI Undo Suite\"\nreload");
    EXPECT_EQ(plugin->globals, object);
    EXPECT_TRUE(session.SuitesHeld().empty());
    session.host().Notify(kAIArtSelectionChangedNotifier);
    EXPECT_FALSE(session.host().event().annotationRequested);
    EXPECT_TRUE(session.alerts().empty());
}

TEST(PluginLife, ShutdownGivesBackEverySuiteItTook) {
    PluginSession session;
    session.Run("startup\ntool segment\nmove 10 10 shift\nshutdown");
    const auto& use = session.host().plugins().suiteUse();
    for (const ImportSuite* row = kImportSuites; row->name; ++row) {
        ASSERT_EQ(use.count(row->name), 1u) << row->name;
        EXPECT_GE(use.at(row->name).acquired, 1) << row->name;
    }
    EXPECT_TRUE(session.SuitesHeld().empty());
    EXPECT_EQ(session.plugin()->globals, nullptr);
}

}  // namespace
}  // namespace quill
