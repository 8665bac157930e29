// A real `quill serve` in a child process, and plain HTTP requests to it over TCP, so
// that a test can send what no browser would: bodies in chunks, compressed bodies,
// connections that say nothing.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace quill::testing {

/// What a request got back: its status (0 when the connection closed without an
/// answer) and its body.
struct HttpAnswer {
    int status = 0;
    std::string body;
};

class ServeProcess {
 public:
    /// Starts `quill serve` on a free port with a preference file of its own (or
    /// `prefsPath`), with TMPDIR set to `tempDir` when not empty, and the options
    /// `extraArguments`; running() is false when it printed no address.
    explicit ServeProcess(const std::string& tempDir = "", const std::string& prefsPath = "",
                          const std::vector<std::string>& extraArguments = {});
    /// Interrupts the server and waits for it.
    ~ServeProcess();
    ServeProcess(const ServeProcess&) = delete;
    ServeProcess& operator=(const ServeProcess&) = delete;

    bool running() const { return port_ > 0; }
    int port() const { return port_; }
    /// "/TOKEN": what every address of the page starts with.
    const std::string& prefix() const { return prefix_; }
    pid_t pid() const { return pid_; }
    /// Sends SIGTERM (or `signal`) and waits; the exit status, or -1 when it did not exit.
    int Stop(int signal = 15);

    /// A new connection to the server, or -1. Reads on it give up after a minute.
    int Connect() const;
    /// Sends `request` whole on a new connection and reads the answer until the server
    /// closes it.
    HttpAnswer Send(const std::string& request) const;
    /// A request of that method and target (after the prefix) with the headers the page
    /// sends, `extraHeaders` (lines ending in \r\n) and the body with its length.
    std::string Request(const std::string& method, const std::string& target,
                        const std::string& body = "", const std::string& extraHeaders = "") const;

 private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string prefix_;
    std::string prefsDir_;
};

/// The answer read from `fd` until the server closes it (or a minute passes).
HttpAnswer ReadAnswer(int fd);

}  // namespace quill::testing
