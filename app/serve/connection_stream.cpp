#include "app/serve/connection_stream.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace quill::serve {

bool ConnectionStream::Ready(short events, Clock::time_point deadline) const {
    const auto quiet = Clock::now() + std::chrono::seconds(quietSeconds_);
    const auto until = std::min(deadline, quiet);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        if (left <= 0) return false;
        pollfd watched{fd_, events, 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(left));
        if (ready > 0) return true;
        if (ready == 0 || errno != EINTR) return false;
    }
}

bool ConnectionStream::is_readable() const {
    return !pending_.empty() || Ready(POLLIN, readDeadline_);
}

bool ConnectionStream::is_writable() const {
    return Ready(POLLOUT, Clock::time_point::max());
}

ssize_t ConnectionStream::read(char* ptr, size_t size) {
    if (!pending_.empty()) {
        const std::size_t taken = std::min(size, pending_.size());
        std::memcpy(ptr, pending_.data(), taken);
        pending_.erase(0, taken);
        return static_cast<ssize_t>(taken);
    }
    if (!Ready(POLLIN, readDeadline_)) return -1;
    return ::recv(fd_, ptr, size, 0);
}

ssize_t ConnectionStream::write(const char* ptr, size_t size) {
    if (!is_writable()) return -1;
    return ::send(fd_, ptr, size, MSG_NOSIGNAL);
}

void ConnectionStream::get_remote_ip_and_port(std::string& ip, int& port) const {
    ip = SocketAddress(fd_, false, &port);
}

void ConnectionStream::get_local_ip_and_port(std::string& ip, int& port) const {
    ip = SocketAddress(fd_, true, &port);
}

std::string SocketAddress(int fd, bool local, int* port) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    *port = 0;
    if ((local ? ::getsockname(fd, raw, &length) : ::getpeername(fd, raw, &length)) != 0) return "";
    char text[INET6_ADDRSTRLEN] = "";
    if (address.ss_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(raw);
        ::inet_ntop(AF_INET, &v4->sin_addr, text, sizeof text);
        *port = ntohs(v4->sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(raw);
        ::inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text);
        *port = ntohs(v6->sin6_port);
    }
    return text;
}

}  // namespace quill::serve
