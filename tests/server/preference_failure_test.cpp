// A preference file the server cannot write is told to the page: the settings would
// otherwise be lost at exit without a word.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "server/serve_process.h"

namespace {

TEST(ServePreferences, AFileThatCannotBeWrittenIsToldToThePageOnce) {
    const std::string missing = "/nonexistent-quill-folder/prefs.json";
    quill::testing::ServeProcess server("", missing);
    ASSERT_TRUE(server.running());
    const auto state = nlohmann::json::parse(
        server.Send(server.Request("GET", "/api/state?session=prefs")).body, nullptr, false);
    ASSERT_TRUE(state.contains("warnings")) << state.dump();
    EXPECT_EQ(state["warnings"].back(),
              "Les réglages ne sont pas enregistrés : /nonexistent-quill-folder: ne peut pas "
              "être verrouillé : fichier ou dossier introuvable");
    const auto event = nlohmann::json::parse(
        server
            .Send(server.Request("POST", "/api/event?session=prefs", R"({"type":"zoom","zoom":2})"))
            .body,
        nullptr, false);
    EXPECT_TRUE(event.is_object());
    EXPECT_FALSE(event.contains("warnings")) << "told again: " << event.dump();
}

}  // namespace
