#include "app/serve/worker.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <future>
#include <nlohmann/json.hpp>

namespace quill::serve {

namespace {

// How long a worker asked to end (its line closed) may take before it is killed.
constexpr std::chrono::seconds kEndWait{2};

// In the child, between fork and exec: only calls that are safe there. The worker dies
// with the server, whatever ends it; it reads its line on descriptor 3 and keeps no
// other descriptor of the server's.
[[noreturn]] void BecomeWorker(pid_t server, int line, char* const* argv) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != server) ::_exit(1);
    if (line == 3)
        ::fcntl(3, F_SETFD, 0);
    else
        ::dup2(line, 3);
    const int nothing = ::open("/dev/null", O_RDWR);
    if (nothing >= 0) {
        ::dup2(nothing, 0);
        ::dup2(nothing, 1);
    }
    ::close_range(4, ~0U, 0);
    ::execv("/proc/self/exe", argv);
    ::_exit(127);
}

// Forks every worker from one thread that lasts as long as the server: a worker's death
// signal follows the thread that forked it, and the threads that take requests end
// before the server has ended its workers.
class LastingForker {
 public:
    static LastingForker& Get() {
        static auto* forker = new LastingForker;  // never ends, like its thread
        return *forker;
    }

    pid_t Fork(int line, char* const* argv) {
        Job job{line, argv};
        std::unique_lock<std::mutex> guard(lock_);
        jobs_.push_back(&job);
        wake_.notify_all();
        finished_.wait(guard, [&] { return job.done; });
        return job.pid;
    }

 private:
    struct Job {
        int line;
        char* const* argv;
        pid_t pid = -1;
        bool done = false;
    };

    LastingForker() {
        std::thread([this] { Run(); }).detach();
    }

    [[noreturn]] void Run() {
        const pid_t server = ::getpid();
        std::unique_lock<std::mutex> guard(lock_);
        for (;;) {
            wake_.wait(guard, [&] { return !jobs_.empty(); });
            Job* job = jobs_.front();
            jobs_.pop_front();
            job->pid = ::fork();
            if (job->pid == 0) BecomeWorker(server, job->line, job->argv);
            job->done = true;
            finished_.notify_all();
        }
    }

    std::mutex lock_;
    std::condition_variable wake_, finished_;
    std::deque<Job*> jobs_;
};

WorkerAnswer LostAnswer() {
    WorkerAnswer answer;
    answer.lost = true;
    answer.status = 0;
    return answer;
}

// The reason a worker that answered `ready` gave for not starting.
std::string ReasonOf(const WorkerAnswer& ready) {
    const auto body = nlohmann::json::parse(ready.body, nullptr, false);
    if (body.is_object() && body.contains("error") && body["error"].is_string())
        return body["error"].get<std::string>();
    return "le processus de la session ne dit pas pourquoi";
}

}  // namespace

std::unique_ptr<Worker> Worker::Start(const std::vector<std::string>& arguments,
                                      std::string workDir, std::function<void()> onLost,
                                      std::string* error) {
    int ends[2], wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        *error = "le serveur manque de descripteurs de fichiers";
        return nullptr;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        ::close(wake[0]);
        ::close(wake[1]);
        *error = "le processus de la session ne peut pas être relié au serveur";
        return nullptr;
    }
    std::vector<std::string> copies = arguments;
    std::vector<char*> argv;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t pid = LastingForker::Get().Fork(ends[1], argv.data());
    ::close(ends[1]);
    if (pid < 0) {
        for (int fd : {ends[0], wake[0], wake[1]}) ::close(fd);
        *error = "le processus de la session ne peut pas être lancé";
        return nullptr;
    }
    // The worker says whether its session started before it reads any request.
    WorkerAnswer ready;
    if (!ReadAnswer(ends[0], &ready) || ready.status != 200) {
        *error = ready.status == 200 ? "le processus de la session s'est arrêté en démarrant"
                                     : ReasonOf(ready);
        for (int fd : {ends[0], wake[0], wake[1]}) ::close(fd);
        ::waitpid(pid, nullptr, 0);
        std::error_code ignored;
        std::filesystem::remove_all(workDir, ignored);
        return nullptr;
    }
    return std::unique_ptr<Worker>(
        new Worker(pid, ends[0], wake, std::move(workDir), std::move(onLost)));
}

Worker::Worker(pid_t pid, int line, const int wake[2], std::string workDir,
               std::function<void()> onLost)
    : pid_(pid),
      line_(line),
      wake_{wake[0], wake[1]},
      workDir_(std::move(workDir)),
      onLost_(std::move(onLost)) {
    thread_ = std::thread([this] { Run(); });
}

Worker::~Worker() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        stopping_ = true;
    }
    if (::write(wake_[1], "x", 1) < 0) {
        // A full pipe already wakes the thread.
    }
    // A worker whose line closes ends its session and leaves; a request still in flight
    // (a plug-in that never returns, say) is given up.
    ::shutdown(line_, SHUT_RDWR);
    thread_.join();
    if (!reaped_) Reap();
    ::close(line_);
    for (int fd : wake_) ::close(fd);
    std::error_code ignored;
    std::filesystem::remove_all(workDir_, ignored);
}

// Waits for the process to end, and kills it once it lingers.
void Worker::Reap() {
    const auto giveUp = std::chrono::steady_clock::now() + kEndWait;
    while (::waitpid(pid_, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > giveUp) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    reaped_ = true;
}

void Worker::End() {
    ::shutdown(line_, SHUT_WR);
}

void Worker::Post(WorkerRequest request, Reply reply) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (!stopping_) {
            queue_.emplace_back(std::move(request), std::move(reply));
            if (::write(wake_[1], "x", 1) < 0) {
                // A full pipe already wakes the thread.
            }
            return;
        }
    }
    reply(LostAnswer());
}

WorkerAnswer Worker::Ask(WorkerRequest request) {
    std::promise<WorkerAnswer> answer;
    std::future<WorkerAnswer> waited = answer.get_future();
    Post(std::move(request), [&answer](WorkerAnswer a) { answer.set_value(std::move(a)); });
    return waited.get();
}

// Waits for a request or for the end; a worker that closes its line unasked has ended.
bool Worker::WaitForWork() {
    pollfd watched[2] = {{wake_[0], POLLIN, 0}, {line_, POLLIN, 0}};
    while (::poll(watched, lost_ ? 1 : 2, -1) < 0)
        if (errno != EINTR) return false;
    char drained[64];
    while (::read(wake_[0], drained, sizeof drained) > 0) {
    }
    if (!lost_ && watched[1].revents != 0) Lose();
    std::lock_guard<std::mutex> guard(lock_);
    return !stopping_ || !queue_.empty();
}

void Worker::Run() {
    while (WaitForWork()) {
        for (;;) {
            std::pair<WorkerRequest, Reply> item;
            {
                std::lock_guard<std::mutex> guard(lock_);
                if (queue_.empty()) break;
                item = std::move(queue_.front());
                queue_.pop_front();
            }
            WorkerAnswer answer;
            if (lost_ || !WriteRequest(line_, item.first) || !ReadAnswer(line_, &answer)) {
                if (!lost_) Lose();
                answer = LostAnswer();
            }
            item.second(std::move(answer));
        }
    }
}

void Worker::Lose() {
    lost_ = true;
    ::shutdown(line_, SHUT_RDWR);
    Reap();
    bool asked = false;  // the line closed by the destructor: no loss to tell
    {
        std::lock_guard<std::mutex> guard(lock_);
        asked = stopping_;
    }
    if (onLost_ && !asked) onLost_();
}

}  // namespace quill::serve
