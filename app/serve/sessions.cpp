#include "app/serve/sessions.h"

namespace quill::serve {

std::shared_ptr<Session> Sessions::Get(const std::string& id, bool start, bool* gone,
                                       std::string* error) {
    std::lock_guard<std::mutex> guard(lock_);
    *gone = false;
    for (auto it = sessions_.begin(); it != sessions_.end(); ++it)
        if (it->first == id) {
            sessions_.splice(sessions_.begin(), sessions_, it);
            return it->second;
        }
    if (!start || gone_.count(id)) {
        *gone = true;
        return nullptr;
    }
    SessionOptions options = options_;
    options.workDir = options_.workDir + "/" + id;
    auto session = std::make_shared<Session>(options, error);
    if (!error->empty()) return nullptr;
    sessions_.emplace_front(id, session);
    if (sessions_.size() > kMostSessions) {
        gone_.insert(sessions_.back().first);
        goneOrder_.push_back(sessions_.back().first);
        sessions_.pop_back();
    }
    if (goneOrder_.size() > kMostGoneRemembered) {
        gone_.erase(goneOrder_.front());
        goneOrder_.pop_front();
    }
    return session;
}

}  // namespace quill::serve
