// A page's event socket for one session, opened as the page opens it (after the page's
// first request, which starts the session).
#pragma once

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>
#include <nlohmann/json.hpp>
#include <string>

#include "server/serve_process.h"

namespace quill::testing {

class PageSocket {
 public:
    using error_code = boost::beast::error_code;

    PageSocket(const ServeProcess& server, const std::string& id) {
        const HttpAnswer state = server.Send(server.Request("GET", "/api/state?session=" + id));
        const int port = nlohmann::json::parse(state.body, nullptr, false).value("eventPort", 0);
        boost::asio::connect(ws_.next_layer(), boost::asio::ip::tcp::resolver(context_).resolve(
                                                   "127.0.0.1", std::to_string(port)));
        const std::string origin = "http://127.0.0.1:" + std::to_string(server.port());
        ws_.set_option(boost::beast::websocket::stream_base::decorator(
            [origin](boost::beast::websocket::request_type& request) {
                request.set("Origin", origin);
            }));
        ws_.handshake("127.0.0.1:" + std::to_string(port),
                      server.prefix() + "/api/events?session=" + id);
    }

    // The answer to one message, or the error that ended the socket.
    std::string Exchange(const std::string& message, error_code* ec) {
        ws_.write(boost::asio::buffer(message), *ec);
        return *ec ? std::string() : Read(ec);
    }
    std::string Read(error_code* ec) {
        boost::beast::flat_buffer buffer;
        ws_.read(buffer, *ec);
        return boost::beast::buffers_to_string(buffer.data());
    }
    void Close() { ws_.close(boost::beast::websocket::close_code::normal); }
    const boost::beast::websocket::close_reason& reason() const { return ws_.reason(); }

 private:
    boost::asio::io_context context_;
    boost::beast::websocket::stream<boost::asio::ip::tcp::socket> ws_{context_};
};

}  // namespace quill::testing
