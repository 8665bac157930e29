#include "app/serve/guarded_server.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "app/serve/connection_stream.h"

namespace quill::serve {

namespace {

// A head longer than this is handed over as it is, for the library to refuse.
constexpr std::size_t kLongestHead = 64 * 1024;

bool HeadIsWhole(const std::string& pending) {
    return pending.find("\r\n\r\n") != std::string::npos || pending.size() > kLongestHead;
}

}  // namespace

// The library's workers, for accepted connections and for requests whose head arrived;
// shutting down first stops the watcher, so that no request is handed over after.
class GuardedServer::Queue : public httplib::TaskQueue {
 public:
    explicit Queue(GuardedServer& server) : server_(server), pool_(kWorkers) {}
    void enqueue(std::function<void()> fn) override { pool_.enqueue(std::move(fn)); }
    void shutdown() override {
        server_.StopWaiting();
        pool_.shutdown();
    }

 private:
    GuardedServer& server_;
    httplib::ThreadPool pool_;
};

GuardedServer::GuardedServer() {
    // What the answers' Keep-Alive header tells, and the accepted sockets' own timeouts.
    set_keep_alive_timeout(kIdleSeconds);
    set_keep_alive_max_count(kMostRequestsPerConnection);
    set_read_timeout(kQuietSeconds);
    set_write_timeout(kQuietSeconds);
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) wake_[0] = wake_[1] = -1;
    new_task_queue = [this]() -> httplib::TaskQueue* {
        auto* queue = new Queue(*this);
        std::lock_guard<std::mutex> guard(lock_);
        queue_ = queue;
        stopping_ = false;
        if (!watcher_.joinable()) watcher_ = std::thread([this] { WatchWaiting(); });
        return queue;
    };
}

GuardedServer::~GuardedServer() {
    StopWaiting();
    for (const int fd : wake_)
        if (fd >= 0) ::close(fd);
}

bool GuardedServer::process_and_close_socket(socket_t sock) {
    auto connection = std::make_unique<Connection>();
    connection->fd = sock;
    int port = 0;
    connection->address = SocketAddress(sock, false, &port);
    bool full = false;
    {
        std::lock_guard<std::mutex> guard(lock_);
        int& count = perAddress_[connection->address];
        full = count >= kMostConnectionsPerAddress;
        if (!full) ++count;
    }
    if (full) {
        static const char kBusy[] =
            "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
        ::send(sock, kBusy, sizeof kBusy - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        ::close(sock);
        return false;
    }
    const int on = 1;
    ::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    connection->deadline = Clock::now() + std::chrono::seconds(kHeadSeconds);
    Wait(std::move(connection));
    return true;
}

void GuardedServer::Handle(std::unique_ptr<Connection> connection) {
    const bool last = ++connection->requests >= kMostRequestsPerConnection;
    bool closed = false;
    {
        ConnectionStream stream(connection->fd, connection->pending,
                                Clock::now() + std::chrono::seconds(kBodySeconds), kQuietSeconds);
        if (!process_request(stream, last, closed, nullptr)) closed = true;
    }
    if (closed || last) return Close(std::move(connection));
    connection->deadline = Clock::now() + std::chrono::seconds(kIdleSeconds);
    Wait(std::move(connection));
}

void GuardedServer::Wait(std::unique_ptr<Connection> connection) {
    std::unique_lock<std::mutex> guard(lock_);
    if (stopping_ || !queue_) {
        guard.unlock();
        return Close(std::move(connection));
    }
    if (HeadIsWhole(connection->pending)) {
        queue_->enqueue(
            [this, handed = connection.release()] { Handle(std::unique_ptr<Connection>(handed)); });
        return;
    }
    const int fd = connection->fd;
    waiting_[fd] = std::move(connection);
    Wake();
}

void GuardedServer::Wake() {
    // A full pipe fails the write: the watcher has a wake-up waiting already.
    const char wake = 1;
    [[maybe_unused]] const ssize_t written = wake_[1] >= 0 ? ::write(wake_[1], &wake, 1) : 0;
}

void GuardedServer::Close(std::unique_ptr<Connection> connection) {
    ::shutdown(connection->fd, SHUT_RDWR);
    ::close(connection->fd);
    std::lock_guard<std::mutex> guard(lock_);
    auto it = perAddress_.find(connection->address);
    if (it != perAddress_.end() && --it->second <= 0) perAddress_.erase(it);
}

bool GuardedServer::ReadHead(Connection& connection, bool* gone) {
    char bytes[16 * 1024];
    const ssize_t n = ::recv(connection.fd, bytes, sizeof bytes, MSG_DONTWAIT);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
        *gone = true;
        return false;
    }
    if (n < 0) return false;
    // An idle kept connection starts a request: its head has kHeadSeconds from now.
    if (connection.pending.empty() && connection.requests > 0)
        connection.deadline = Clock::now() + std::chrono::seconds(kHeadSeconds);
    connection.pending.append(bytes, static_cast<std::size_t>(n));
    return HeadIsWhole(connection.pending);
}

void GuardedServer::WatchWaiting() {
    for (;;) {
        std::vector<pollfd> watched{{wake_[0], POLLIN, 0}};
        auto next = Clock::now() + std::chrono::seconds(1);
        {
            std::lock_guard<std::mutex> guard(lock_);
            if (stopping_) return;
            for (const auto& [fd, connection] : waiting_) {
                watched.push_back({fd, POLLIN, 0});
                next = std::min(next, connection->deadline);
            }
        }
        const auto wait =
            std::chrono::duration_cast<std::chrono::milliseconds>(next - Clock::now()).count();
        ::poll(watched.data(), watched.size(), static_cast<int>(std::max<long long>(wait, 0)));
        char drained[64];
        while (::read(wake_[0], drained, sizeof drained) > 0) {
        }
        std::vector<std::unique_ptr<Connection>> ended;
        {
            std::lock_guard<std::mutex> guard(lock_);
            const auto now = Clock::now();
            for (std::size_t i = 1; i < watched.size(); ++i) {
                auto it = waiting_.find(watched[i].fd);
                if (it == waiting_.end()) continue;
                bool gone = false;
                const bool whole = watched[i].revents && ReadHead(*it->second, &gone);
                if (!whole && !gone && now < it->second->deadline) continue;
                std::unique_ptr<Connection> connection = std::move(it->second);
                waiting_.erase(it);
                if (!whole) {
                    ended.push_back(std::move(connection));
                    continue;
                }
                queue_->enqueue([this, handed = connection.release()] {
                    Handle(std::unique_ptr<Connection>(handed));
                });
            }
        }
        for (auto& connection : ended) Close(std::move(connection));
    }
}

void GuardedServer::StopWaiting() {
    std::map<int, std::unique_ptr<Connection>> waiting;
    {
        std::lock_guard<std::mutex> guard(lock_);
        stopping_ = true;
        queue_ = nullptr;
        waiting.swap(waiting_);
    }
    Wake();
    if (watcher_.joinable() && watcher_.get_id() != std::this_thread::get_id()) watcher_.join();
    for (auto& [fd, connection] : waiting) Close(std::move(connection));
}

}  // namespace quill::serve
