#include "app/serve/idle_sweeper.h"

#include <algorithm>
#include <chrono>

namespace quill::serve {

IdleSweeper::IdleSweeper(std::shared_ptr<Sessions> sessions) : sessions_(std::move(sessions)) {
    // A session outlives its limit by at most a quarter of it (and never by more than
    // half a minute).
    const Sessions::Clock::duration every = std::clamp<Sessions::Clock::duration>(
        sessions_->idleLimit() / 4, std::chrono::milliseconds(50), std::chrono::seconds(30));
    thread_ = std::thread([this, every] {
        std::unique_lock<std::mutex> guard(lock_);
        while (!wake_.wait_for(guard, every, [this] { return stopping_; })) {
            guard.unlock();
            sessions_->ExpireIdle(Sessions::Clock::now());
            guard.lock();
        }
    });
}

IdleSweeper::~IdleSweeper() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

}  // namespace quill::serve
