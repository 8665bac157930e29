// How long a tab's session lives: kept while its page has the event socket open, freed
// (and its tab told) once no tab has used it for the idle limit; a server that stops
// tells the open pages why before it ends. And what a browser gets at an address that is
// not the page's.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

#include "server/page_socket.h"
#include "server/serve_process.h"

namespace {

namespace beast = boost::beast;
namespace websocket = beast::websocket;
using quill::testing::HttpAnswer;
using quill::testing::PageSocket;
using quill::testing::ServeProcess;

const std::string kMove = R"({"type":"move","x":1,"y":1,"keys":[]})";

// The answer to a move of session `id` once it is gone, or the last answer after a minute.
// Each move uses the session: the next waits longer than the limit.
HttpAnswer MoveOnceGone(const ServeProcess& server, const std::string& id) {
    HttpAnswer answer;
    for (int i = 0; i < 60; ++i) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        answer = server.Send(server.Request("POST", "/api/event?session=" + id, kMove));
        if (answer.status != 200) break;
    }
    return answer;
}

std::string ErrorOf(const HttpAnswer& answer) {
    return nlohmann::json::parse(answer.body, nullptr, false).value("error", "");
}

TEST(SessionLifetime, AnOpenPageKeepsItsSessionAndAnIdleOneIsFreedAndTold) {
    ServeProcess server("", "", {"--idle-minutes", "0.005"});  // 0.3 s
    ASSERT_TRUE(server.running());
    PageSocket open(server, "open");
    ASSERT_EQ(server.Send(server.Request("GET", "/api/state?session=idle")).status, 200);

    const HttpAnswer idle = MoveOnceGone(server, "idle");
    EXPECT_EQ(idle.status, 410);
    EXPECT_EQ(ErrorOf(idle).rfind("Cette session a expiré", 0), 0u) << idle.body;
    // Idle longer than the session that expired, but its page is open.
    beast::error_code ec;
    const std::string answer = open.Exchange(kMove, &ec);
    ASSERT_FALSE(ec) << ec.message();
    EXPECT_EQ(answer.find("\"error\""), std::string::npos) << answer;

    // Once the page is closed, the limit runs from then.
    open.Close();
    const HttpAnswer closed = MoveOnceGone(server, "open");
    EXPECT_EQ(closed.status, 410);
    EXPECT_EQ(ErrorOf(closed).rfind("Cette session a expiré", 0), 0u) << closed.body;
}

TEST(SessionLifetime, AnInterruptedServerTellsItsPagesWhyAndEnds) {
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        ServeProcess server;
        ASSERT_TRUE(server.running());
        PageSocket page(server, "tab");
        ::kill(server.pid(), signal);
        beast::error_code ec;
        page.Read(&ec);
        EXPECT_EQ(ec, websocket::error::closed) << ec.message();
        EXPECT_EQ(page.reason().code, websocket::close_code::going_away);
        EXPECT_EQ(std::string(page.reason().reason.c_str()), "Le serveur Quill s'est arrêté.");
        EXPECT_EQ(server.Stop(), 0);
    }
}

TEST(AddressPages, ABrowserAtAnUnknownAddressGetsTheFrenchPage) {
    ServeProcess server;
    ASSERT_TRUE(server.running());
    const auto get = [&](const std::string& path) {
        return server.Send("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" +
                           std::to_string(server.port()) + "\r\nConnection: close\r\n\r\n");
    };
    const std::string frenchPage = "Cette adresse n'est pas (ou plus) celle de Quill";
    struct Row {
        std::string path;
        int status;
        bool page;  // the French page, else no page
    };
    const Row rows[] = {
        {"/00112233445566778899aabbccddeeff/", 403, true},  // a server started since
        {"/", 403, true},
        {server.prefix() + "/nothing.html", 404, true},
        {"/favicon.ico", 204, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        const HttpAnswer answer = get(row.path);
        EXPECT_EQ(answer.status, row.status);
        EXPECT_EQ(answer.body.find(frenchPage) != std::string::npos, row.page) << answer.body;
    }
    // The page's own requests still get what they read: JSON.
    const HttpAnswer api = get("/0011/api/state?session=x");
    EXPECT_EQ(api.status, 403);
    EXPECT_FALSE(nlohmann::json::parse(api.body, nullptr, false).is_discarded()) << api.body;
}

}  // namespace
