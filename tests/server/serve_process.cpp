#include "server/serve_process.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <vector>

namespace quill::testing {

namespace {

constexpr int kGiveUpSeconds = 60;  // only to tell a hang from an answer

// The first line the server prints ("Quill is at http://127.0.0.1:PORT/TOKEN/").
std::string FirstLine(int fd) {
    std::string line;
    char c = 0;
    while (line.size() < 1000 && ::read(fd, &c, 1) == 1 && c != '\n') line += c;
    return line;
}

}  // namespace

ServeProcess::ServeProcess(const std::string& tempDir, const std::string& prefsPath,
                           const std::vector<std::string>& extraArguments) {
    std::string folder = (std::filesystem::temp_directory_path() / "quill-serve-test-XXXXXX");
    if (!::mkdtemp(folder.data())) return;
    prefsDir_ = folder;
    int out[2];
    if (::pipe(out) != 0) return;
    const std::string prefs = prefsPath.empty() ? prefsDir_ + "/prefs.json" : prefsPath;
    std::vector<std::string> arguments = {QUILL_BINARY, "serve", "--port",   "0",
                                          "--prefs",    prefs,   "--plugin", QUILL_PLUGIN};
    arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(out[1], 1);
        ::close(out[0]);
        if (!tempDir.empty()) ::setenv("TMPDIR", tempDir.c_str(), 1);
        ::execv(QUILL_BINARY, argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    const std::string line = FirstLine(out[0]);
    ::close(out[0]);
    std::smatch match;
    if (std::regex_search(line, match, std::regex(R"(http://[^:]+:(\d+)(/[0-9a-f]+)/)"))) {
        port_ = std::stoi(match[1]);
        prefix_ = match[2];
    }
}

ServeProcess::~ServeProcess() {
    Stop();
    std::error_code ignored;
    if (!prefsDir_.empty()) std::filesystem::remove_all(prefsDir_, ignored);
}

int ServeProcess::Stop(int signal) {
    if (pid_ <= 0) return -1;
    ::kill(pid_, signal);
    int status = 0;
    const pid_t waited = ::waitpid(pid_, &status, 0);
    pid_ = -1;
    port_ = 0;
    return waited > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int ServeProcess::Connect() const {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return -1;
    timeval limit{kGiveUpSeconds, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port_));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

HttpAnswer ReadAnswer(int fd) {
    std::string text;
    char buffer[65536];
    for (ssize_t n; (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    HttpAnswer answer;
    std::smatch match;
    if (std::regex_search(text, match, std::regex(R"(^HTTP/1\.[01] (\d{3}))")))
        answer.status = std::stoi(match[1]);
    const auto bodyAt = text.find("\r\n\r\n");
    if (bodyAt != std::string::npos) answer.body = text.substr(bodyAt + 4);
    return answer;
}

HttpAnswer ServeProcess::Send(const std::string& request) const {
    const int fd = Connect();
    if (fd < 0) return {};
    std::size_t sent = 0;
    while (sent < request.size()) {
        const ssize_t n = ::send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
    }
    HttpAnswer answer = ReadAnswer(fd);
    ::close(fd);
    return answer;
}

std::string ServeProcess::Request(const std::string& method, const std::string& target,
                                  const std::string& body, const std::string& extraHeaders) const {
    std::string request = method + " " + prefix_ + target +
                          " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port_) +
                          "\r\nConnection: close\r\n" + extraHeaders;
    if (method == "POST" && extraHeaders.find("Transfer-Encoding") == std::string::npos)
        request += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    return request + "\r\n" + body;
}

}  // namespace quill::testing
