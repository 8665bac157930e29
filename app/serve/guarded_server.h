// The HTTP server with connections that idle or slow clients cannot exhaust. A worker
// thread is given a connection only once a whole request head has arrived; until then,
// and between the requests of a kept connection, it waits in one thread that watches
// them all. A head must arrive within kHeadSeconds of its first byte, a body within
// kBodySeconds, each read and write within kQuietSeconds; one address may hold at most
// kMostConnectionsPerAddress connections at once.
#pragma once

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace quill::serve {

inline constexpr int kWorkers = 8;
inline constexpr int kMostConnectionsPerAddress = 32;
inline constexpr int kMostRequestsPerConnection = 1000;
inline constexpr int kIdleSeconds = 60;
inline constexpr int kHeadSeconds = 10;
inline constexpr int kBodySeconds = 60;
inline constexpr int kQuietSeconds = 5;

class GuardedServer : public httplib::Server {
 public:
    GuardedServer();
    ~GuardedServer() override;
    GuardedServer(const GuardedServer&) = delete;
    GuardedServer& operator=(const GuardedServer&) = delete;

    using Clock = std::chrono::steady_clock;
    // One client's connection and what it sent of a request not yet handled.
    struct Connection {
        int fd = -1;
        std::string address;
        std::string pending;
        int requests = 0;
        Clock::time_point deadline;
    };

 private:
    class Queue;
    // Called by the library's workers for each accepted connection.
    bool process_and_close_socket(socket_t sock) override;
    void Handle(std::unique_ptr<Connection> connection);
    void Wait(std::unique_ptr<Connection> connection);
    void Close(std::unique_ptr<Connection> connection);
    void WatchWaiting();
    void Wake();
    bool ReadHead(Connection& connection, bool* gone);
    void StopWaiting();

    std::mutex lock_;
    std::map<int, std::unique_ptr<Connection>> waiting_;
    std::map<std::string, int> perAddress_;
    httplib::TaskQueue* queue_ = nullptr;  // the running server's workers
    bool stopping_ = false;
    int wake_[2] = {-1, -1};
    std::thread watcher_;
};

}  // namespace quill::serve
