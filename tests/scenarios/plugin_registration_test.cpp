// What start-up registers with the stand-in host, and what the registrations do
// afterwards: the tools and their palette places, the About item, the notifiers and the
// annotator, the host's selection tool made current.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/event_state.h"
#include "host/suites/handles.h"
#include "scenarios/plugin_session.h"

namespace quill {
namespace {

using testing::PluginSession;

const std::string kFamilyGroup = "À propos des Orl-Outils…";
const std::string kAboutItem = "Orl-Quill…";

// A tool of the host's palette that no plug-in of this session registered.
void AddForeignTool(PluginSession& session, const std::string& title) {
    host::Registrations& r = session.registrations();
    host::ToolRecord tool;
    tool.id = host::NextObjectId();
    tool.name = tool.title = tool.tooltip = title;
    tool.group = r.NewGroupNumber();
    tool.toolset = r.NewGroupNumber();
    r.tools().push_back(tool);
}

std::int32_t IconResource(PluginSession& session, host::ObjectId icon) {
    const host::IconRecord* record = session.registrations().FindIcon(icon);
    return record ? record->resourceId : 0;
}

// Sends "AI Menu" / "AI Go" for the item with that text.
void ChooseMenuItem(PluginSession& session, const std::string& text) {
    AIMenuMessage message{};
    for (const host::MenuItemRecord& item : session.registrations().menuItems())
        if (item.text == text) message.menuItem = host::ToHandle<AIMenuItemHandle>(item.id);
    ASSERT_NE(message.menuItem, nullptr) << text;
    EXPECT_EQ(session.Send(kCallerAIMenu, kSelectorAIGoMenuItem, &message.d), kNoErr);
}

TEST(PluginRegistration, SixToolsInOneNewGroupAndToolset) {
    PluginSession session;
    session.Run("startup");
    const std::vector<host::ToolRecord> tools = session.PluginTools();
    ASSERT_EQ(tools.size(), 6u);
    const char* const titles[] = {"Outil Segment",          "Outil Angle",
                                  "Outil Cercle",           "Outil Bézier",
                                  "Outil Longueur & Aires", "Outil Paramètres"};
    const char* const tooltips[] = {"Outil Segment 7.0",    "Outil Angle 7.0",
                                    "Outil Cercle 7.0",     "Outil Bézier 7.0",
                                    "Longueur & Aires 7.0", "Outil Paramètres 7.0"};
    for (std::size_t i = 0; i < tools.size(); ++i) {
        SCOPED_TRACE(titles[i]);
        EXPECT_EQ(tools[i].title, titles[i]);
        EXPECT_EQ(tools[i].name, titles[i]);
        EXPECT_EQ(tools[i].tooltip, tooltips[i]);
        EXPECT_EQ(tools[i].options, kToolWantsToTrackCursorOption);
        EXPECT_EQ(IconResource(session, tools[i].icon), static_cast<std::int32_t>(16051 + i));
        EXPECT_EQ(IconResource(session, tools[i].darkIcon), static_cast<std::int32_t>(16057 + i));
        EXPECT_EQ(tools[i].infoVars, (std::vector<std::int32_t>{15, 16, 23, 19}));
        EXPECT_EQ(tools[i].group, tools[0].group);
        EXPECT_EQ(tools[i].toolset, tools[0].toolset);
    }
    const host::ToolRecord& selectTool = session.registrations().tools().front();
    EXPECT_NE(tools[0].group, selectTool.group);
    EXPECT_NE(tools[0].toolset, selectTool.toolset);
}

TEST(PluginRegistration, ToolsJoinTheGroupOfTheFirstSiblingInTheFamilysOrder) {
    PluginSession session;
    AddForeignTool(session, "Outil Orl-Cartouche");
    AddForeignTool(session, "Outil Orl-Plan");
    session.Run("startup");
    const host::ToolRecord plan = session.registrations().tools()[2];
    const std::vector<host::ToolRecord> tools = session.PluginTools();
    ASSERT_EQ(tools.size(), 6u);
    for (const host::ToolRecord& tool : tools) {
        EXPECT_EQ(tool.group, plan.group) << tool.title;
        EXPECT_EQ(tool.toolset, tools[0].toolset) << tool.title;
    }
    EXPECT_NE(tools[0].toolset, plan.toolset);  // a toolset of their own
}

TEST(PluginRegistration, AToolThatCannotBeFinishedStopsTheLaterOnes) {
    PluginSession session(QUILL_PLUGIN_WITH_ERROR_LIST);
    // No icon can be loaded either: the tools come without them.
    session.Run(
        "fail Tool.SetToolInfoVars \"PARM\" 1\nfail Icon.GetFromResource \"NFND\"\n"
        "startup");
    ASSERT_NE(session.plugin()->globals, nullptr);  // start-up goes on
    const std::vector<host::ToolRecord> tools = session.PluginTools();
    ASSERT_EQ(tools.size(), 1u);
    EXPECT_EQ(tools[0].icon, 0u);
    EXPECT_EQ(session.registrations().annotators().size(), 1u);
    EXPECT_TRUE(session.alerts().empty());
}

TEST(PluginRegistration, FailedAboutItemDoesNotStopStartup) {
    PluginSession session(QUILL_PLUGIN_WITH_ERROR_LIST);
    session.Run("fail Menu.AddMenuItem \"PARM\"\nstartup");
    ASSERT_NE(session.plugin()->globals, nullptr);
    EXPECT_TRUE(session.registrations().menuItems().empty());
    EXPECT_EQ(session.registrations().notifiers().size(), 4u);
    EXPECT_EQ(session.PluginTools().size(), 6u);
    EXPECT_EQ(session.registrations().annotators().size(), 1u);
    EXPECT_TRUE(session.alerts().empty());
}

TEST(PluginRegistration, AboutItemShowsTheAboutBox) {
    PluginSession session(QUILL_PLUGIN_WITH_ERROR_LIST);
    session.Run("startup");
    ChooseMenuItem(session, kAboutItem);
    ASSERT_EQ(session.alerts().size(), 1u);
    EXPECT_EQ(session.alerts()[0],
              "Orl-Quill 7.0\rCotation des dessins : Segment, Angle, Cercle, Bézier, "
              "Longueur & Aires, Paramètres.");
    // The family's item opens its submenu; it is nothing for Quill to answer or report.
    ChooseMenuItem(session, kFamilyGroup);
    EXPECT_EQ(session.alerts().size(), 1u);
    // The host's about message shows the plug-in's name, as no about text travels with it.
    session.Send(kSPInterfaceCaller, kSPInterfaceAboutSelector);
    ASSERT_EQ(session.alerts().size(), 2u);
    EXPECT_EQ(session.alerts()[1], "Quill\r");
    // A box that cannot be shown is told, and the host is answered 0 all the same.
    session.Run("fail Basic.AboutBox \"PARM\" 1");
    ChooseMenuItem(session, kAboutItem);
    EXPECT_EQ(session.alerts().back(), "Paramètre refusé par l’hôte (PARM).");
}

TEST(PluginRegistration, ThreeNotifiersBesideTheFrames) {
    PluginSession session;
    session.Run("startup");
    const auto& notifiers = session.registrations().notifiers();
    ASSERT_EQ(notifiers.size(), 4u);
    const std::pair<std::string, std::string> expected[] = {
        {"Quill App Started Notifier", kAIApplicationStartedNotifier},
        {"Quill", kAIApplicationShutdownNotifier},
        {"Quill", kAIArtSelectionChangedNotifier},
        {"Couleur", kAIArtCustomColorChangedNotifier},
    };
    for (std::size_t i = 0; i < notifiers.size(); ++i) {
        EXPECT_EQ(notifiers[i].name, expected[i].first);
        EXPECT_EQ(notifiers[i].type, expected[i].second);
    }
    // (The inactive annotator is the plug-in library's start-up scenario.)
}

TEST(PluginRegistration, ApplicationStartedGivesTheSelectionBackToTheHost) {
    PluginSession session(QUILL_PLUGIN_WITH_ERROR_LIST);
    session.Run("startup\ntool angle");
    EXPECT_EQ(session.Dump()["host"]["selectedTool"], "Outil Angle");
    session.host().Notify(kAIApplicationStartedNotifier);
    session.host().FinishEvent(false);
    EXPECT_EQ(session.Dump()["host"]["selectedTool"], "Adobe Select Tool");
    // When that fails, the failure is told, and the notification goes no further.
    session.Run("tool angle\nfail Tool.SetSelectedTool \"PARM\" 1");
    session.host().Notify(kAIApplicationStartedNotifier);
    session.host().FinishEvent(false);
    EXPECT_EQ(session.Dump()["host"]["selectedTool"], "Outil Angle");
    EXPECT_EQ(session.alerts(), std::vector<std::string>{"Paramètre refusé par l’hôte (PARM)."});
}

TEST(PluginRegistration, SelectionChangeRedrawsTheViewInsideTheApplicationContext) {
    PluginSession session(QUILL_PLUGIN_WITH_ERROR_LIST);
    session.Run("startup");
    host::Host& host = session.host();
    // No tool of the plug-in is current: the view is redrawn all the same.
    host.Notify(kAIArtSelectionChangedNotifier);
    EXPECT_TRUE(host.event().annotationRequested);
    EXPECT_TRUE(session.registrations().contexts().empty());  // pushed, then popped
    host.FinishEvent(false);
    // The other notifiers do nothing.
    host.Notify(kAIArtCustomColorChangedNotifier);
    host.Notify(kAIApplicationShutdownNotifier);
    EXPECT_FALSE(host.event().annotationRequested);
    // Without the context the notification is not handled, and the failure is told.
    session.Run("fail Context.PushAppContext \"STAL\" 1");
    host.Notify(kAIArtSelectionChangedNotifier);
    EXPECT_FALSE(host.event().annotationRequested);
    EXPECT_EQ(session.alerts(), std::vector<std::string>{"Cet objet n’existe plus."});
}

}  // namespace
}  // namespace quill
