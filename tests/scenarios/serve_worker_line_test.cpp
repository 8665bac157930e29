// The line between the server and a session's worker: what one end writes, the other
// reads whole, whatever its size; a line cut in the middle of a frame reads as ended.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <thread>

#include "app/serve/worker_line.h"

namespace {

using quill::serve::ReadAnswer;
using quill::serve::ReadRequest;
using quill::serve::WorkerAnswer;
using quill::serve::WorkerRequest;

TEST(WorkerLine, FramesOfEverySizeArriveWholeAndACutOneEndsTheLine) {
    int ends[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    const std::string upload(3 * 1024 * 1024 + 7, '\xE9');  // more than a socket buffer
    const WorkerRequest rows[] = {
        {"alive", "", ""},
        {"open", "plaque é.svg", upload},
        {"event", "", R"({"type":"move","x":1,"y":2,"keys":[]})"},
    };
    std::thread writer([&] {
        for (const WorkerRequest& row : rows) EXPECT_TRUE(WriteRequest(ends[0], row));
        WorkerAnswer answer;
        answer.status = 410;
        answer.body = "{}";
        EXPECT_TRUE(WriteAnswer(ends[0], answer));
        // Half a frame: a length that promises more than comes.
        const char cut[] = {'\x10', 0, 0, 0, '{'};
        EXPECT_EQ(::write(ends[0], cut, sizeof cut), static_cast<ssize_t>(sizeof cut));
        ::close(ends[0]);
    });
    for (const WorkerRequest& row : rows) {
        SCOPED_TRACE(row.route);
        WorkerRequest read;
        ASSERT_TRUE(ReadRequest(ends[1], &read));
        EXPECT_EQ(read.route, row.route);
        EXPECT_EQ(read.argument, row.argument);
        EXPECT_EQ(read.body, row.body);
    }
    WorkerAnswer answer;
    ASSERT_TRUE(ReadAnswer(ends[1], &answer));
    EXPECT_EQ(answer.status, 410);
    EXPECT_EQ(answer.type, "application/json");
    EXPECT_EQ(answer.body, "{}");
    EXPECT_FALSE(ReadAnswer(ends[1], &answer));
    writer.join();
    ::close(ends[1]);
}

}  // namespace
