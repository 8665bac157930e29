// A browser tab's session driven as the page drives it: events in, only what changed out.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "app/serve/session.h"
#include "sdk/quill_vocabulary.h"

namespace {

using nlohmann::json;

quill::serve::SessionOptions Options() {
    const auto dir =
        std::filesystem::temp_directory_path() / ("quill-serve-test-" + std::to_string(::getpid()));
    return {QUILL_PLUGIN, "", "", dir.string()};
}

json Event(quill::serve::Session& s, const std::string& type, double x = 0, double y = 0,
           json keys = json::array()) {
    return s.Handle({{"type", type}, {"x", x}, {"y", y}, {"keys", keys}, {"name", "segment"}});
}

TEST(ServeSession, AnswersCarryOnlyWhatChanged) {
    std::string error;
    quill::serve::Session s(Options(), &error);
    ASSERT_EQ(error, "");
    const std::string line =
        "<svg xmlns='http://www.w3.org/2000/svg' width='300pt' height='300pt' viewBox='0 0 300 "
        "300'><path d='M100 200 L200 200' stroke='black'/></svg>";
    json opened = s.Open("line.svg", line);
    EXPECT_TRUE(opened["reset"]);
    ASSERT_EQ(opened["art"].size(), 1u);
    const std::string path = opened["art"][0]["id"];

    EXPECT_EQ(Event(s, "tool")["tool"], "segment");
    json hover = Event(s, "move", 100, 100);
    EXPECT_EQ(hover["cursor"], quill::vocabulary::cursors::kAnchor);
    EXPECT_FALSE(hover.contains("art"));  // nothing in the drawing changed
    EXPECT_NE(hover["annotation"].get<std::string>().find("Point d'ancrage 1"), std::string::npos);
    // The same feedback again is not sent again.
    EXPECT_FALSE(Event(s, "move", 100, 100).contains("annotation"));
    Event(s, "down", 100, 100);
    Event(s, "up", 100, 100);
    // The dimension, one group sent whole as it is made and dragged with Shift pressed on
    // the way; the measured path, sent again once it carries its link.
    std::vector<json> answers{Event(s, "down", 200, 100), Event(s, "drag", 150, 120),
                              Event(s, "key", 0, 0, {"lshift"}),
                              Event(s, "up", 150, 120, {"lshift"})};
    std::set<std::string> ids;
    std::string last;
    for (const json& answer : answers)
        for (const json& art : answer.value("art", json::array())) {
            ids.insert(art["id"].get<std::string>());
            last = art["svg"];
        }
    EXPECT_EQ(ids.size(), 2u);
    EXPECT_EQ(ids.count(path), 1u);
    EXPECT_NE(last.find(">100 pt<"), std::string::npos);

    // Hovering changes nothing; the dimension leaves the drawing unsaved until it is
    // saved, which a picture is not.
    EXPECT_EQ(opened["unsaved"], false);
    EXPECT_EQ(hover["unsaved"], false);
    EXPECT_EQ(answers.back()["unsaved"], true);
    std::string bytes;
    ASSERT_TRUE(s.ExportPng(150, &bytes, &error)) << error;
    EXPECT_EQ(Event(s, "move", 10, 10)["unsaved"], true);
    ASSERT_TRUE(s.Save(&bytes, &error)) << error;
    EXPECT_EQ(Event(s, "move", 10, 10)["unsaved"], false);

    // Mistakes are refused with a message; the session goes on.
    EXPECT_THROW(s.Handle(json{{"type", "move"}, {"x", "a"}}), std::invalid_argument);
    EXPECT_THROW(s.Handle(json{{"type", "jump"}}), std::invalid_argument);
    EXPECT_THROW(Event(s, "move", 0, 0, {"hyper"}), std::invalid_argument);
    json broken = s.Open("broken.svg", "<svg");
    EXPECT_NE(broken["error"].get<std::string>().find("broken.svg"), std::string::npos);
    EXPECT_NE(broken["error"].get<std::string>().find("XML mal formé : "), std::string::npos)
        << broken.dump();
    EXPECT_FALSE(broken.contains("disposed"));  // the open drawing stays

    // An upload the server cannot keep (its folder gone) is refused as such; the open
    // drawing stays.
    std::filesystem::remove_all(Options().workDir);
    json unkept = s.Open("line.svg", line);
    EXPECT_EQ(unkept["error"].get<std::string>().rfind(
                  "line.svg : le serveur ne peut pas le garder (line.svg: ", 0),
              0u)
        << unkept.dump();
    EXPECT_FALSE(unkept.contains("disposed"));
}

// A session started on a drawing that carries the settings it was dimensioned with uses
// them, unless --prefs named a file; the user's store is left as it was.
TEST(ServeSession, StartsOnADrawingWithItsOwnSettingsUnlessPrefsAreChosen) {
    const std::string dir = ::testing::TempDir(), drawing = dir + "quill_serve_settings.svg",
                      user = dir + "quill_serve_user_prefs.json";
    std::ofstream(drawing)
        << "<svg xmlns='http://www.w3.org/2000/svg' xmlns:quill='https://quill.invalid/ns/1' "
           "width='300pt' height='300pt' viewBox='0 0 300 300'><metadata><quill:settings>"
           "{\"ORLQUILL\":{\"UnitePrefs\":1,\"Precision\":1}}</quill:settings></metadata>"
           "<path d='M100 200 L200 200' stroke='black'/></svg>";
    const std::string userStore = R"({"ORLQUILL": {"UnitePrefs": 6}})";
    for (const auto& [chosen, label] :
         {std::pair{false, ">35,3 mm<"}, std::pair{true, ">100 pt<"}}) {
        std::ofstream(user) << userStore;
        quill::serve::SessionOptions options = Options();
        options.drawingPath = drawing;
        options.prefsPath = user;
        options.prefsChosen = chosen;
        std::string error;
        quill::serve::Session s(options, &error);
        ASSERT_EQ(error, "");
        Event(s, "tool");
        Event(s, "down", 100, 100);
        Event(s, "up", 100, 100);
        Event(s, "down", 200, 100);
        Event(s, "drag", 150, 120);
        Event(s, "up", 150, 120);
        std::string svg;
        ASSERT_TRUE(s.Save(&svg, &error)) << error;
        EXPECT_NE(svg.find(label), std::string::npos) << svg;
        EXPECT_NE(svg.find("<quill:settings>"), std::string::npos);
        std::stringstream kept;
        kept << std::ifstream(user).rdbuf();
        if (!chosen) {
            EXPECT_EQ(kept.str(), userStore);
        }
    }
    std::remove(drawing.c_str());
    std::remove(user.c_str());
}

}  // namespace

namespace {

TEST(ServeSession, UndoRedoAndTheSelectionsKeysTravelAsEvents) {
    std::string error;
    quill::serve::Session s(Options(), &error);
    ASSERT_EQ(error, "");
    const std::string square =
        "<svg xmlns='http://www.w3.org/2000/svg' width='300pt' height='300pt' viewBox='0 0 300 "
        "300'><path d='M100 200 L200 200 L200 100 Z' stroke='black' fill='none'/></svg>";
    json opened = s.Open("square.svg", square);
    EXPECT_EQ(opened["undo"], "Annuler Ouverture");
    EXPECT_EQ(s.Handle({{"type", "tool"}, {"name", "select"}})["tool"], "select");
    json picked = Event(s, "down", 150, 100);
    Event(s, "up", 150, 100);
    EXPECT_EQ(picked["selection"]["boxes"].size(), 1u);
    EXPECT_NE(picked["outlines"].get<std::string>().find("<g id=\"selection\"><path d=\"M"),
              std::string::npos)
        << picked.dump();
    // The selection's marks go again only once something of them changed.
    const json still = Event(s, "move", 10, 10);
    EXPECT_FALSE(still.contains("outlines") || still.contains("selection")) << still.dump();
    json nudged = s.Handle({{"type", "edit"}, {"name", "right"}, {"shift", true}});
    EXPECT_EQ(nudged["undo"], "Annuler Déplacement");
    ASSERT_EQ(nudged["art"].size(), 1u);
    EXPECT_TRUE(nudged.contains("outlines") && nudged.contains("selection"));
    // Back where it was opened, still selected as it was before the nudge.
    json undone = s.Handle({{"type", "undo"}});
    ASSERT_EQ(undone["art"].size(), 1u);
    const std::string back = undone["art"][0]["svg"];
    EXPECT_NE(back.find("quill:attributes=\"selected\" d=\"M 100 100 L 200 100 L 200 200"),
              std::string::npos)
        << back;
    EXPECT_EQ(undone["redo"], "Rétablir Déplacement");
    EXPECT_EQ(s.Handle({{"type", "redo"}})["art"], nudged["art"]);
    EXPECT_THROW(s.Handle({{"type", "edit"}, {"name", "home"}}), std::invalid_argument);
}

}  // namespace
