// One session's worker process, as `quill serve` sees it: started with the program
// itself in worker mode, it keeps the session's host, plug-in and drawing, and answers
// the requests sent on its line one at a time, in order, on a thread of its own here, so
// that no other tab waits for it. A worker that ends unasked is lost: whatever was sent
// to it is answered `lost`, and `onLost` is called once.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/serve/worker_line.h"

namespace quill::serve {

class Worker {
 public:
    using Reply = std::function<void(WorkerAnswer)>;

    /// Starts the program `arguments` name (the first is the program) in a process of its
    /// own with the line on descriptor 3, and waits until it says it is ready; nullptr
    /// with `error` set (in French) when it cannot start. `workDir`, the worker's private
    /// folder, is removed once it ends.
    static std::unique_ptr<Worker> Start(const std::vector<std::string>& arguments,
                                         std::string workDir, std::function<void()> onLost,
                                         std::string* error);
    /// Ends the process (asked by closing its line, then killed if it lingers); a request
    /// still in flight is answered `lost`.
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    /// Sends `request`; `reply` is called with the answer, on the worker's thread.
    void Post(WorkerRequest request, Reply reply);
    /// Sends `request` and waits for its answer.
    WorkerAnswer Ask(WorkerRequest request);

    /// Asks the process to end without waiting (the destructor then waits less).
    void End();

    pid_t pid() const { return pid_; }
    bool lost() const { return lost_; }

 private:
    Worker(pid_t pid, int line, const int wake[2], std::string workDir,
           std::function<void()> onLost);
    void Run();
    bool WaitForWork();
    void Lose();
    void Reap();

    const pid_t pid_;
    const int line_;
    const int wake_[2];  // a byte written wakes the thread
    const std::string workDir_;
    const std::function<void()> onLost_;
    std::atomic<bool> lost_{false};
    bool reaped_ = false;
    std::mutex lock_;
    std::deque<std::pair<WorkerRequest, Reply>> queue_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace quill::serve
