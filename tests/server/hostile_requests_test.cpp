// What a stranger may send `quill serve`: each is refused with a message, and the
// server goes on answering.
#include <gtest/gtest.h>

#include <string>

#include "server/serve_process.h"

namespace {

using quill::testing::HttpAnswer;
using quill::testing::ServeProcess;

// The server still answers a tab's ordinary request.
bool StillAnswers(const ServeProcess& server) {
    return server.Send(server.Request("GET", "/api/state?session=alive")).status == 200;
}

TEST(HostileRequests, DeeplyNestedEventsAreRefusedBeforeTheyAreRead) {
    ServeProcess server;
    ASSERT_TRUE(server.running());
    const std::string deep(1'000'000, '[');
    struct Row {
        const char* what;
        std::string body;
    };
    const Row rows[] = {
        {"keys nested a million deep",
         "{\"type\":\"move\",\"x\":1,\"y\":1,\"keys\":" + deep + std::string(1'000'000, ']') + "}"},
        {"an unclosed nesting", "{\"type\":\"move\",\"keys\":" + deep},
        {"a key of another kind", "{\"type\":\"move\",\"x\":1,\"y\":1,\"keys\":[[[1]]]}"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const HttpAnswer answer =
            server.Send(server.Request("POST", "/api/event?session=deep", row.body));
        EXPECT_EQ(answer.status, 400);
        EXPECT_NE(answer.body.find("error"), std::string::npos);
        ASSERT_TRUE(StillAnswers(server));
    }
    const HttpAnswer deepAnswer = server.Send(
        server.Request("POST", "/api/event?session=deep", "{\"keys\":" + deep.substr(0, 300)));
    EXPECT_NE(deepAnswer.body.find("nested more than 256 deep"), std::string::npos);
}

}  // namespace
