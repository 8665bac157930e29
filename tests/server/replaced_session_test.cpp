// A tab whose session gave way to another tab's is told so, with a message of its own,
// whatever it asks; it is never answered by a fresh session as if it were the same.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "server/serve_process.h"

namespace {

using quill::testing::ServeProcess;

constexpr int kMostSessions = 16;  // as the server keeps at once

TEST(ReplacedSession, ItsTabIsToldWhateverItAsks) {
    ServeProcess server;
    ASSERT_TRUE(server.running());
    const auto state = [&](const std::string& id) {
        return server.Send(server.Request("GET", "/api/state?session=" + id)).status;
    };
    ASSERT_EQ(state("first"), 200);
    for (int i = 0; i < kMostSessions; ++i) ASSERT_EQ(state("tab-" + std::to_string(i)), 200);

    const std::string event = R"({"type":"move","x":1,"y":1,"keys":[]})";
    struct Row {
        const char* what;
        std::string request;
    };
    const Row rows[] = {
        {"an event", server.Request("POST", "/api/event?session=first", event)},
        {"a save", server.Request("GET", "/api/save?session=first")},
        {"an upload", server.Request("POST", "/api/open?session=first&name=a.svg", "<svg/>")},
        {"the page's state", server.Request("GET", "/api/state?session=first")},
        {"an event of a session never started",
         server.Request("POST", "/api/event?session=never", event)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const quill::testing::HttpAnswer answer = server.Send(row.request);
        EXPECT_EQ(answer.status, 410);
        const auto body = nlohmann::json::parse(answer.body, nullptr, false);
        EXPECT_EQ(body.value("gone", false), true) << answer.body;
        EXPECT_EQ(body.value("error", "").rfind("Cette session a été remplacée", 0), 0u);
    }
    // The sessions kept go on.
    const quill::testing::HttpAnswer kept = server.Send(server.Request(
        "POST", "/api/event?session=tab-" + std::to_string(kMostSessions - 1), event));
    EXPECT_EQ(kept.status, 200);
}

}  // namespace
