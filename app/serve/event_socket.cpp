#include "app/serve/event_socket.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <optional>
#include <thread>

namespace quill::serve {

namespace {

namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
namespace net = boost::asio;
using tcp = net::ip::tcp;

// One page's socket. The handshake is read as an HTTP request first, so that a refused
// one gets its status and reason; then each message is answered before the next is read,
// so a session's events are handled one at a time, in order.
class Connection : public std::enable_shared_from_this<Connection> {
 public:
    Connection(tcp::socket socket, const EventSocketHandlers& handlers)
        : ws_(std::move(socket)), handlers_(handlers) {}

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
        std::string why = "a WebSocket handshake is expected";
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
        ws_.async_accept(request, [self = shared_from_this()](beast::error_code ec) {
            if (!ec) self->Read();
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

    void OnMessage() {
        answer_ = handlers_.answer(session_, beast::buffers_to_string(buffer_.data()));
        buffer_.consume(buffer_.size());
        ws_.async_write(net::buffer(answer_),
                        [self = shared_from_this()](beast::error_code ec, std::size_t) {
                            if (!ec) self->Read();
                        });
    }

    websocket::stream<beast::tcp_stream> ws_;
    const EventSocketHandlers& handlers_;
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::empty_body>> request_;
    std::optional<http::response<http::string_body>> refusal_;
    std::string session_, answer_;
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

    net::steady_timer pause{context};

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
            std::make_shared<Connection>(std::move(socket), handlers)->Start();
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
    impl_->context.stop();
    if (impl_->thread.joinable()) impl_->thread.join();
}

int EventSocket::port() const {
    return impl_->port;
}

}  // namespace quill::serve
