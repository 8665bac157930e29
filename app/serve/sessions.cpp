#include "app/serve/sessions.h"

#include <vector>

namespace quill::serve {

std::shared_ptr<Session> Sessions::Get(const std::string& id, bool start, std::string* gone,
                                       std::string* error) {
    std::lock_guard<std::mutex> guard(lock_);
    gone->clear();
    for (auto it = sessions_.begin(); it != sessions_.end(); ++it)
        if (it->id == id) {
            it->lastUsed = Clock::now();
            sessions_.splice(sessions_.begin(), sessions_, it);
            return it->session;
        }
    if (const auto forgotten = gone_.find(id); forgotten != gone_.end() || !start) {
        *gone = forgotten != gone_.end() ? forgotten->second : kSessionGone;
        return nullptr;
    }
    SessionOptions options = options_;
    options.workDir = options_.workDir + "/" + id;
    auto session = std::make_shared<Session>(options, error);
    if (!error->empty()) return nullptr;
    sessions_.push_front({id, session, Clock::now(), 0});
    if (sessions_.size() > kMostSessions) {
        Forget(sessions_.back().id, kSessionGone);
        sessions_.pop_back();
    }
    return session;
}

void Sessions::Forget(const std::string& id, const char* why) {
    gone_[id] = why;
    goneOrder_.push_back(id);
    if (goneOrder_.size() > kMostGoneRemembered) {
        gone_.erase(goneOrder_.front());
        goneOrder_.pop_front();
    }
}

void Sessions::SocketOpened(const std::string& id) {
    std::lock_guard<std::mutex> guard(lock_);
    for (Kept& kept : sessions_)
        if (kept.id == id) ++kept.sockets;
}

void Sessions::SocketClosed(const std::string& id) {
    std::lock_guard<std::mutex> guard(lock_);
    for (Kept& kept : sessions_)
        if (kept.id == id && kept.sockets > 0) {
            --kept.sockets;
            // The tab may be reloading: the idle time counts from its going.
            kept.lastUsed = Clock::now();
        }
}

std::size_t Sessions::ExpireIdle(Clock::time_point now) {
    // Freed outside the lock: a session's plug-in takes a while to shut down.
    std::vector<std::shared_ptr<Session>> freed;
    {
        std::lock_guard<std::mutex> guard(lock_);
        for (auto it = sessions_.begin(); it != sessions_.end();) {
            if (it->sockets > 0 || now - it->lastUsed < idleLimit_) {
                ++it;
                continue;
            }
            Forget(it->id, kSessionExpired);
            freed.push_back(std::move(it->session));
            it = sessions_.erase(it);
        }
    }
    return freed.size();
}

}  // namespace quill::serve
