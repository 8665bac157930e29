// Connections that say nothing, or a byte now and then, hold no worker of the server:
// a tab's request is answered all the same, one address holds a bounded number of
// connections, and a head that does not arrive in time is given up.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "server/serve_process.h"

namespace {

using quill::testing::ServeProcess;

constexpr int kMostPerAddress = 32;  // as the server allows one address

TEST(IdleConnections, HoldNoWorkerAndOneAddressHoldsFewOfThem) {
    ServeProcess server;
    ASSERT_TRUE(server.running());
    std::vector<int> held;
    for (int i = 0; i < 24; ++i) held.push_back(server.Connect());
    // Slow senders: a head begun and never finished.
    const std::string begun = "GET " + server.prefix() + "/api/state?session=slow HTTP/1.1\r\nHo";
    for (int i = 0; i < 6; ++i) {
        held.push_back(server.Connect());
        ::send(held.back(), begun.data(), begun.size(), MSG_NOSIGNAL);
    }
    for (const int fd : held) ASSERT_GE(fd, 0);

    EXPECT_EQ(server.Send(server.Request("GET", "/api/state?session=tab")).status, 200);

    held.push_back(server.Connect());
    held.push_back(server.Connect());
    ASSERT_EQ(held.size(), static_cast<std::size_t>(kMostPerAddress));
    const quill::testing::HttpAnswer refused =
        server.Send(server.Request("GET", "/api/state?session=tab"));
    EXPECT_EQ(refused.status, 503);

    // The server gives up a head that does not come (within a minute: only a hang fails).
    char byte = 0;
    EXPECT_EQ(::recv(held.front(), &byte, 1, 0), 0) << "an idle connection is kept";
    EXPECT_EQ(::recv(held[24], &byte, 1, 0), 0) << "a slow head is kept";
    for (const int fd : held) ::close(fd);
    EXPECT_EQ(server.Send(server.Request("GET", "/api/state?session=tab")).status, 200);
}

// A tab's requests on one kept connection, one after another, are all answered.
TEST(IdleConnections, AKeptConnectionServesRequestsInTurn) {
    ServeProcess server;
    ASSERT_TRUE(server.running());
    const int fd = server.Connect();
    ASSERT_GE(fd, 0);
    std::string request = server.Request("GET", "/api/state?session=kept");
    const std::string kept =
        request.replace(request.find("Connection: close"), 17, "Connection: keep-alive");
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(::send(fd, kept.data(), kept.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(kept.size()));
        std::string head;
        char byte = 0;
        while (head.find("\r\n\r\n") == std::string::npos && ::recv(fd, &byte, 1, 0) == 1)
            head += byte;
        EXPECT_EQ(head.compare(0, 12, "HTTP/1.1 200"), 0) << head;
        const auto at = head.find("Content-Length: ");
        ASSERT_NE(at, std::string::npos);
        std::string body(std::stoul(head.substr(at + 16)), '\0');
        std::size_t got = 0;
        for (ssize_t n;
             got < body.size() && (n = ::recv(fd, &body[got], body.size() - got, 0)) > 0;)
            got += static_cast<std::size_t>(n);
        EXPECT_EQ(got, body.size());
    }
    ::close(fd);
}

}  // namespace
