// One request's reads and writes on a client's connection, for the HTTP library: first
// what was already read of it, then the socket, each read and write given at most
// kQuietSeconds and every read ending at the request's deadline.
#pragma once

#include <httplib.h>

#include <chrono>
#include <string>

namespace quill::serve {

class ConnectionStream : public httplib::Stream {
 public:
    using Clock = std::chrono::steady_clock;
    /// Reads `pending` before the socket `fd`; the bytes taken are removed from it.
    ConnectionStream(int fd, std::string& pending, Clock::time_point readDeadline, int quietSeconds)
        : fd_(fd), pending_(pending), readDeadline_(readDeadline), quietSeconds_(quietSeconds) {}

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    socket_t socket() const override { return fd_; }

 private:
    bool Ready(short events, Clock::time_point deadline) const;

    int fd_;
    std::string& pending_;
    Clock::time_point readDeadline_;
    int quietSeconds_;
};

/// The address of a socket's peer (or, `local`, its own) and its port.
std::string SocketAddress(int fd, bool local, int* port);

}  // namespace quill::serve
