// The page's fast line for pointer and key events: a WebSocket beside the HTTP server.
// A fetch costs the page several milliseconds of its own; a message on an open socket
// costs a fraction of one, which is what keeps the feedback within the frame.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace quill::serve {

/// The largest message the page may send on the socket (events are a few hundred bytes).
inline constexpr std::size_t kLargestEventMessage = 64 * 1024;

/// Why the sockets close when the server stops: the page shows it.
inline constexpr char kStoppingReason[] = "Le serveur Quill s'est arrêté.";

/// What the socket asks of the server for one connection and each of its messages.
struct EventSocketHandlers {
    /// Whether a handshake may go on: the request's target (path and query), its Host and
    /// Origin headers. Returns the session id, or an empty string with `why` set.
    std::function<std::string(const std::string& target, const std::string& host,
                              const std::string& origin, std::string* why)>
        admit;
    /// Answers one text message of that session by calling `reply` once, from any thread;
    /// the socket reads its next message once the answer is written.
    std::function<void(const std::string& session, const std::string& message,
                       std::function<void(std::string)> reply)>
        answer;
    /// A session's socket opened, and closed (by the page, or when the server stops).
    std::function<void(const std::string&session)> opened, closed;
};

class EventSocket {
 public:
    /// Listens on `address` at a free port; port() is 0 when it cannot.
    EventSocket(const std::string& address, EventSocketHandlers handlers);
    /// Closes every connection, telling each page kStoppingReason, and waits for them.
    ~EventSocket();
    EventSocket(const EventSocket&) = delete;
    EventSocket& operator=(const EventSocket&) = delete;

    int port() const;
    /// Closes the sockets of `session`, telling each page `reason` (at most 123 bytes);
    /// from any thread.
    void CloseSession(const std::string& session, const std::string& reason) const;

 private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace quill::serve
