#include "app/serve/worker_line.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace quill::serve {

namespace {

// A frame up to this size is copied into one write; a larger one is written part by part.
constexpr std::size_t kOneWrite = 64 * 1024;

bool WriteAll(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(fd, bytes, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadAll(int fd, char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::read(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool WriteFrame(int fd, const std::vector<std::string>& parts) {
    // The lengths go first, together, so that a small frame is one write.
    std::string head;
    for (const std::string& part : parts) {
        const auto size = static_cast<std::uint32_t>(part.size());
        head.append(reinterpret_cast<const char*>(&size), sizeof size);
    }
    std::size_t total = head.size();
    for (const std::string& part : parts) total += part.size();
    if (total <= kOneWrite) {
        for (const std::string& part : parts) head += part;
        return WriteAll(fd, head.data(), head.size());
    }
    if (!WriteAll(fd, head.data(), head.size())) return false;
    for (const std::string& part : parts)
        if (!WriteAll(fd, part.data(), part.size())) return false;
    return true;
}

bool ReadFrame(int fd, std::size_t count, std::vector<std::string>* parts) {
    std::vector<std::uint32_t> sizes(count);
    if (!ReadAll(fd, reinterpret_cast<char*>(sizes.data()), count * sizeof(std::uint32_t)))
        return false;
    parts->assign(count, std::string());
    for (std::size_t i = 0; i < count; ++i) {
        if (sizes[i] > kLargestFramePart) return false;
        (*parts)[i].resize(sizes[i]);
        if (!ReadAll(fd, (*parts)[i].data(), sizes[i])) return false;
    }
    return true;
}

bool WriteRequest(int fd, const WorkerRequest& request) {
    return WriteFrame(fd, {request.route, request.argument, request.body});
}

bool ReadRequest(int fd, WorkerRequest* request) {
    std::vector<std::string> parts;
    if (!ReadFrame(fd, 3, &parts)) return false;
    request->route = std::move(parts[0]);
    request->argument = std::move(parts[1]);
    request->body = std::move(parts[2]);
    return true;
}

bool WriteAnswer(int fd, const WorkerAnswer& answer) {
    return WriteFrame(fd, {std::to_string(answer.status), answer.type, answer.body});
}

bool ReadAnswer(int fd, WorkerAnswer* answer) {
    std::vector<std::string> parts;
    if (!ReadFrame(fd, 3, &parts)) return false;
    char* end = nullptr;
    const long status = std::strtol(parts[0].c_str(), &end, 10);
    if (*end != '\0' || status < 100 || status > 599) return false;
    answer->status = static_cast<int>(status);
    answer->type = std::move(parts[1]);
    answer->body = std::move(parts[2]);
    return true;
}

}  // namespace quill::serve
