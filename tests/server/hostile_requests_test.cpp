// What a stranger may send `quill serve`: each is refused with a message, and the
// server goes on answering.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <zlib.h>

#include <cstdio>
#include <string>
#include <string_view>

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
    ASSERT_EQ(server.Send(server.Request("GET", "/api/state?session=deep")).status, 200);
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
    EXPECT_NE(deepAnswer.body.find("imbriqué sur plus de 256 niveaux"), std::string::npos);
}

}  // namespace

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

// `size` zero bytes compressed by gzip: a few hundred KB for tens of MiB.
std::string GzipOfZeros(std::size_t size) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY);
    const std::string zeros(kMiB, '\0');
    std::string out;
    char buffer[65536];
    for (std::size_t fed = 0; fed <= size; fed += kMiB) {
        const bool last = fed == size;
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.data()));
        stream.avail_in = last ? 0 : static_cast<uInt>(kMiB);
        do {
            stream.next_out = reinterpret_cast<Bytef*>(buffer);
            stream.avail_out = sizeof buffer;
            deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            out.append(buffer, sizeof buffer - stream.avail_out);
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return out;
}

// Sends a chunked request: `head`, then `body` in chunks of at most a MiB for as long as
// the server reads; then reads its answer.
HttpAnswer SendChunked(const ServeProcess& server, const std::string& target,
                       const std::string& body) {
    const int fd = server.Connect();
    if (fd < 0) return {};
    const auto sendAll = [fd](std::string_view bytes) {
        return ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(bytes.size());
    };
    bool open = sendAll(server.Request("POST", target, "", "Transfer-Encoding: chunked\r\n"));
    for (std::size_t at = 0; open && at < body.size(); at += kMiB) {
        const std::string_view chunk = std::string_view(body).substr(at, kMiB);
        char size[32];
        std::snprintf(size, sizeof size, "%zx\r\n", chunk.size());
        open = sendAll(size) && sendAll(chunk) && sendAll("\r\n");
    }
    if (open) sendAll("0\r\n\r\n");
    HttpAnswer answer = quill::testing::ReadAnswer(fd);
    ::close(fd);
    return answer;
}

TEST(HostileRequests, BodiesAreCountedAsTheyArriveChunkedOrCompressed) {
    ServeProcess server;
    ASSERT_TRUE(server.running());
    const HttpAnswer chunked =
        SendChunked(server, "/api/open?session=big&name=big.svg", std::string(40 * kMiB, 'a'));
    EXPECT_EQ(chunked.status, 413);
    EXPECT_NE(chunked.body.find("dépasse 32 Mio"), std::string::npos) << chunked.body;
    ASSERT_TRUE(StillAnswers(server));

    const std::string bomb = GzipOfZeros(64 * kMiB);
    ASSERT_LT(bomb.size(), kMiB);
    for (const char* route : {"/api/open?session=big&name=big.svg", "/api/event?session=big"}) {
        SCOPED_TRACE(route);
        const HttpAnswer inflated =
            server.Send(server.Request("POST", route, bomb, "Content-Encoding: gzip\r\n"));
        EXPECT_EQ(inflated.status, 413);
        ASSERT_TRUE(StillAnswers(server));
    }

    // A drawing sent in small chunks opens as any other.
    const std::string line =
        "<svg xmlns='http://www.w3.org/2000/svg' width='300pt' height='300pt' viewBox='0 0 300 "
        "300'><path d='M100 200 L200 200' stroke='black'/></svg>";
    ASSERT_EQ(server.Send(server.Request("GET", "/api/state?session=small")).status, 200);
    const HttpAnswer small = SendChunked(server, "/api/open?session=small&name=line.svg", line);
    EXPECT_EQ(small.status, 200);
    EXPECT_NE(small.body.find("\"art\""), std::string::npos);
}

}  // namespace
