#include "app/serve/event_socket.h"

#include <algorithm>
#include <atomic>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace quill::serve {

namespace {

// How long a stopping server waits for its pages' sockets to close.
constexpr std::chrono::milliseconds kCloseWait{500};

namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
namespace net = boost::asio;
using tcp = net::ip::tcp;

// Where answers made on other threads are handed to the socket's thread, for as long as
// it runs.
class Mailbox {
 public:
    explicit Mailbox(net::io_context& context) : context_(&context) {}
    void Deliver(std::function<void()> work) {
        std::lock_guard<std::mutex> guard(lock_);
        if (context_) net::post(*context_, std::move(work));
    }
    void Shut() {
        std::lock_guard<std::mutex> guard(lock_);
        context_ = nullptr;
    }

 private:
    std::mutex lock_;
    net::io_context* context_;
};

// One page's socket. The handshake is read as an HTTP request first, so that a refused
// one gets its status and reason; then each message is answered before the next is read,
// so a session's events are handled one at a time, in order.
class Connection : public std::enable_shared_from_this<Connection> {
 public:
    Connection(tcp::socket socket, const EventSocketHandlers& handlers, std::atomic<int>& live,
               std::shared_ptr<Mailbox> mailbox)
        : ws_(std::move(socket)), handlers_(handlers), live_(live), mailbox_(std::move(mailbox)) {
        ++live_;
    }
    ~Connection() {
        if (counted_) handlers_.closed(session_);
        --live_;
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Closes the socket with a close frame that says why (once the answer being written
    // is out), or drops a connection still in its handshake.
    void Close(const std::string& reason) {
        if (!open_ && !accepting_) {
            beast::error_code ignored;
            beast::get_lowest_layer(ws_).socket().close(ignored);
            return;
        }
        // A page whose handshake is being answered is told once the answer is out.
        closeReason_ = reason;
        if (open_ && !writing_) SendClose();
    }

    const std::string& session() const { return session_; }

    // Writes the answer to the message read, then reads the next.
    void Write(std::string answer) {
        awaiting_.reset();
        answer_ = std::move(answer);
        ws_.async_write(net::buffer(answer_),
                        [self = shared_from_this()](beast::error_code ec, std::size_t) {
                            self->writing_ = false;
                            if (ec) return;
                            if (!self->closeReason_.empty()) return self->SendClose();
                            self->Read();
                        });
    }

    // A connection waiting for its session's answer keeps itself until it comes (or the
    // socket ends).
    void StopAwaiting() { awaiting_.reset(); }

    void Start() {
        request_.emplace();
        request_->header_limit(8 * 1024);
        beast::get_lowest_layer(ws_).expires_after(std::chrono::seconds(30));
        http::async_read(ws_.next_layer(), buffer_, *request_,
                         [self = shared_from_this()](beast::error_code ec, std::size_t) {
                             if (!ec) self->OnHandshake();
                         });
    }

 private:
    void OnHandshake() {
        const auto& request = request_->get();
        std::string why = "Une ouverture de connexion WebSocket est attendue.";
        if (websocket::is_upgrade(request))
            session_ = handlers_.admit(std::string(request.target()),
                                       std::string(request[http::field::host]),
                                       std::string(request[http::field::origin]), &why);
        if (session_.empty()) return Refuse(why);
        beast::get_lowest_layer(ws_).expires_never();
        // The page answers the server's pings, so a tab left open keeps its socket.
        websocket::stream_base::timeout timeout =
            websocket::stream_base::timeout::suggested(beast::role_type::server);
        timeout.keep_alive_pings = true;
        ws_.set_option(timeout);
        ws_.read_message_max(kLargestEventMessage);
        ws_.text(true);
        buffer_.consume(buffer_.size());
        // The tab counts as open before its handshake is answered: a request it sends as
        // soon as it has the answer must find its session in use.
        handlers_.opened(session_);
        counted_ = true;
        accepting_ = true;
        ws_.async_accept(request, [self = shared_from_this()](beast::error_code ec) {
            self->accepting_ = false;
            if (ec) return;
            self->open_ = true;
            if (!self->closeReason_.empty()) return self->SendClose();
            self->Read();
        });
    }

    void Refuse(const std::string& why) {
        refusal_.emplace(http::status::forbidden, request_->get().version());
        refusal_->set(http::field::content_type, "text/plain; charset=utf-8");
        refusal_->keep_alive(false);
        refusal_->body() = why;
        refusal_->prepare_payload();
        http::async_write(ws_.next_layer(), *refusal_,
                          [self = shared_from_this()](beast::error_code, std::size_t) {
                              beast::error_code ignored;
                              beast::get_lowest_layer(self->ws_).socket().shutdown(
                                  tcp::socket::shutdown_send, ignored);
                          });
    }

    void Read() {
        ws_.async_read(buffer_, [self = shared_from_this()](beast::error_code ec, std::size_t) {
            // Closed by the page, a message over the limit (the close frame says so), or
            // the connection gone: the socket ends, the session stays.
            if (!ec) self->OnMessage();
        });
    }

    // The answer comes from the session's worker, on its own thread: it is handed back
    // to this socket's thread, unless the socket is gone by then.
    void OnMessage() {
        const std::string message = beast::buffers_to_string(buffer_.data());
        buffer_.consume(buffer_.size());
        writing_ = true;  // a close waits for the answer
        awaiting_ = shared_from_this();
        handlers_.answer(session_, message,
                         [weak = weak_from_this(), mailbox = mailbox_](std::string answer) {
                             mailbox->Deliver([weak, answer = std::move(answer)]() mutable {
                                 if (auto self = weak.lock()) self->Write(std::move(answer));
                             });
                         });
    }

    void SendClose() {
        websocket::close_reason reason(websocket::close_code::going_away);
        reason.reason = closeReason_.c_str();
        ws_.async_close(reason, [self = shared_from_this()](beast::error_code) {});
    }

    websocket::stream<beast::tcp_stream> ws_;
    const EventSocketHandlers& handlers_;
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::empty_body>> request_;
    std::optional<http::response<http::string_body>> refusal_;
    std::atomic<int>& live_;
    std::shared_ptr<Mailbox> mailbox_;
    std::shared_ptr<Connection> awaiting_;
    std::string session_, answer_, closeReason_;
    bool accepting_ = false, open_ = false, writing_ = false;
    bool counted_ = false;  // the sessions were told this tab's socket opened
};

}  // namespace

struct EventSocket::Impl {
    // Destroyed in reverse: the thread first, then the connections with the context, and
    // the handlers they use last.
    EventSocketHandlers handlers;
    net::io_context context{1};
    tcp::acceptor acceptor{context};
    int port = 0;
    std::thread thread;
    std::atomic<int> live{0};
    std::vector<std::weak_ptr<Connection>> connections;  // touched on the thread alone
    std::shared_ptr<Mailbox> mailbox = std::make_shared<Mailbox>(context);

    net::steady_timer pause{context};

    void Track(const std::shared_ptr<Connection>& connection) {
        connections.erase(std::remove_if(connections.begin(), connections.end(),
                                         [](const auto& c) { return c.expired(); }),
                          connections.end());
        connections.push_back(connection);
    }

    // Tells every open page why its socket closes, and waits a little for the close
    // frames to go out: a page told is a page that need not guess.
    void CloseAll(const std::string& reason) {
        net::post(context, [this, reason] {
            beast::error_code ignored;
            acceptor.close(ignored);
            for (const auto& weak : connections)
                if (auto connection = weak.lock()) connection->Close(reason);
        });
        const auto giveUp = std::chrono::steady_clock::now() + kCloseWait;
        while (live > 0 && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    void Accept() {
        acceptor.async_accept(context, [this](beast::error_code ec, tcp::socket socket) {
            if (ec == net::error::operation_aborted) return;
            if (ec) {
                // Out of descriptors, say: try again a little later rather than spin.
                pause.expires_after(std::chrono::milliseconds(100));
                pause.async_wait([this](beast::error_code) { Accept(); });
                return;
            }
            socket.set_option(tcp::no_delay(true), ec);
            auto connection =
                std::make_shared<Connection>(std::move(socket), handlers, live, mailbox);
            Track(connection);
            connection->Start();
            Accept();
        });
    }
};

EventSocket::EventSocket(const std::string& address, EventSocketHandlers handlers)
    : impl_(std::make_unique<Impl>()) {
    impl_->handlers = std::move(handlers);
    beast::error_code ec;
    const auto ip = net::ip::make_address(address, ec);
    if (ec) return;
    const tcp::endpoint endpoint(ip, 0);
    impl_->acceptor.open(endpoint.protocol(), ec);
    if (!ec) impl_->acceptor.bind(endpoint, ec);
    if (!ec) impl_->acceptor.listen(net::socket_base::max_listen_connections, ec);
    if (ec) return;
    impl_->port = impl_->acceptor.local_endpoint().port();
    impl_->Accept();
    impl_->thread = std::thread([this] { impl_->context.run(); });
}

EventSocket::~EventSocket() {
    if (impl_->thread.joinable()) impl_->CloseAll(kStoppingReason);
    impl_->context.stop();
    if (impl_->thread.joinable()) impl_->thread.join();
    impl_->mailbox->Shut();
    // Connections still waiting for an answer end now, with the socket's thread.
    for (const auto& weak : impl_->connections)
        if (auto connection = weak.lock()) connection->StopAwaiting();
}

void EventSocket::CloseSession(const std::string& session, const std::string& reason) const {
    impl_->mailbox->Deliver([impl = impl_.get(), session, reason] {
        for (const auto& weak : impl->connections)
            if (auto connection = weak.lock(); connection && connection->session() == session)
                connection->Close(reason);
    });
}

int EventSocket::port() const {
    return impl_->port;
}

}  // namespace quill::serve
