// Each tab's session is a process of its own: one that is killed ends only that session
// (its tab is told, the other tabs go on), no more than the limit are kept while their
// tabs are open (a tab whose session gave way is told so, whatever it asks), and none
// outlives the server.
#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <thread>

#include "server/page_socket.h"
#include "server/serve_process.h"

namespace {

namespace websocket = boost::beast::websocket;
using quill::testing::HttpAnswer;
using quill::testing::PageSocket;
using quill::testing::ServeProcess;

const std::string kMove = R"({"type":"move","x":1,"y":1,"keys":[]})";

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The parent of process `pid`, or -1.
pid_t ParentOf(const std::string& pid) {
    const std::string stat = FileText("/proc/" + pid + "/stat");
    const auto after = stat.rfind(") ");
    if (after == std::string::npos) return -1;
    std::istringstream fields(stat.substr(after + 2));
    std::string state;
    pid_t parent = -1;
    fields >> state >> parent;
    return parent;
}

// The worker process of session `id` of `server`: its child whose command line names
// it, or -1.
pid_t WorkerOf(const ServeProcess& server, const std::string& id) {
    const std::string wanted = std::string("--session") + '\0' + id + '\0';
    pid_t found = -1;
    DIR* processes = ::opendir("/proc");
    while (dirent* entry = processes ? ::readdir(processes) : nullptr) {
        const std::string name = entry->d_name;
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        const std::string line = FileText("/proc/" + name + "/cmdline");
        if (line.find("--worker") != std::string::npos && line.find(wanted) != std::string::npos &&
            ParentOf(name) == server.pid())
            found = std::stoi(name);
    }
    if (processes) ::closedir(processes);
    return found;
}

// Whether the process is gone (waiting a little for it to be reaped).
bool Ended(pid_t pid) {
    for (int i = 0; i < 500; ++i) {
        const std::string stat = FileText("/proc/" + std::to_string(pid) + "/stat");
        if (stat.empty() || stat.find(") Z ") != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

nlohmann::json BodyOf(const HttpAnswer& answer) {
    return nlohmann::json::parse(answer.body, nullptr, false);
}

TEST(SessionWorkers, AKilledWorkerEndsOnlyItsOwnSessionAndItsTabIsTold) {
    ServeProcess server;
    ASSERT_TRUE(server.running());
    PageSocket doomed(server, "doomed"), other(server, "other");
    const pid_t worker = WorkerOf(server, "doomed");
    ASSERT_GT(worker, 0);
    EXPECT_NE(worker, WorkerOf(server, "other"));
    EXPECT_NE(worker, server.pid());

    ASSERT_EQ(::kill(worker, SIGKILL), 0);
    PageSocket::error_code ec;
    doomed.Read(&ec);
    EXPECT_EQ(ec, websocket::error::closed) << ec.message();
    EXPECT_EQ(doomed.reason().code, websocket::close_code::going_away);
    EXPECT_EQ(std::string(doomed.reason().reason.c_str()),
              "La session de cet onglet s'est arrêtée.");
    const HttpAnswer told = server.Send(server.Request("POST", "/api/event?session=doomed", kMove));
    EXPECT_EQ(told.status, 410);
    EXPECT_EQ(BodyOf(told).value("error", "").rfind("Cette session s'est arrêtée", 0), 0u)
        << told.body;

    // The other tab goes on as if nothing happened.
    const std::string answer = other.Exchange(kMove, &ec);
    ASSERT_FALSE(ec) << ec.message();
    EXPECT_EQ(answer.find("\"error\""), std::string::npos) << answer;
    EXPECT_EQ(server.Send(server.Request("GET", "/api/save?session=other")).status, 200);
}

TEST(SessionWorkers, PastTheLimitANewTabIsRefusedUntilATabCloses) {
    ServeProcess server("", "", {"--sessions", "2"});
    ASSERT_TRUE(server.running());
    const auto state = [&](const std::string& id) {
        return server.Send(server.Request("GET", "/api/state?session=" + id));
    };
    PageSocket first(server, "first");
    PageSocket second(server, "second");
    const HttpAnswer refused = state("third");
    EXPECT_EQ(refused.status, 503);
    EXPECT_EQ(BodyOf(refused).value("error", ""),
              "Le serveur sert déjà 2 onglets ouverts, le plus qu'il en garde à la fois, et n'en "
              "remplace aucun : fermez-en un, puis rechargez cette page (quill serve --sessions "
              "N en permet davantage).");
    EXPECT_EQ(BodyOf(refused).value("gone", false), false);

    // A tab closed gives its place; its session is then told it was replaced.
    first.Close();
    HttpAnswer admitted;
    for (int i = 0; i < 100 && admitted.status != 200; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        admitted = state("third");
    }
    EXPECT_EQ(admitted.status, 200);
    const HttpAnswer replaced = state("first");
    EXPECT_EQ(replaced.status, 410);
    EXPECT_EQ(BodyOf(replaced)
                  .value("error", "")
                  .rfind("Cette session a été remplacée : le serveur en garde 2 au plus", 0),
              0u)
        << replaced.body;
    EXPECT_EQ(BodyOf(replaced).value("gone", false), true);
    // Whatever its tab asks, and an event never starts a session: only a page's first request.
    for (const std::string id : {"first", "never"})
        EXPECT_EQ(server.Send(server.Request("POST", "/api/event?session=" + id, kMove)).status,
                  410)
            << id;
}

TEST(SessionWorkers, NoWorkerOutlivesItsServer) {
    for (const int signal : {SIGTERM, SIGKILL}) {
        SCOPED_TRACE(signal);
        ServeProcess server;
        ASSERT_TRUE(server.running());
        ASSERT_EQ(server.Send(server.Request("GET", "/api/state?session=left")).status, 200);
        const pid_t worker = WorkerOf(server, "left");
        ASSERT_GT(worker, 0);
        server.Stop(signal);
        EXPECT_TRUE(Ended(worker));
    }
}

}  // namespace
