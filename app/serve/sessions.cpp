#include "app/serve/sessions.h"

#include <vector>

#include "app/serve/worker_process.h"

namespace quill::serve {

std::string SessionGoneMessage(std::size_t most) {
    return "Cette session a été remplacée : le serveur en garde " + std::to_string(most) +
           " au plus et a donné sa place à un autre onglet. Ce que la page montre n'est plus "
           "enregistré ; téléchargez-le, puis rechargez la page.";
}

std::string TooManyTabsMessage(std::size_t most) {
    return "Le serveur sert déjà " + std::to_string(most) +
           " onglets ouverts, le plus qu'il en garde à la fois, et n'en remplace aucun : "
           "fermez-en un, puis rechargez cette page (quill serve --sessions N en permet "
           "davantage).";
}

Sessions::~Sessions() {
    Attach(0, nullptr);
    // Every worker is told to end at once; each is then waited for.
    std::lock_guard<std::mutex> guard(lock_);
    for (Kept& kept : sessions_) kept.worker->End();
    sessions_.clear();
}

void Sessions::Attach(int eventPort, std::function<void(const std::string&)> onLost) {
    std::lock_guard<std::mutex> guard(attachLock_);
    eventPort_ = eventPort;
    onLost_ = std::move(onLost);
}

Sessions::Found Sessions::Get(const std::string& id, bool start) {
    Found found;
    std::vector<std::shared_ptr<Worker>> freed;  // ended once the lock is let go
    {
        std::lock_guard<std::mutex> guard(lock_);
        for (auto it = sessions_.begin(); it != sessions_.end(); ++it) {
            if (it->id != id) continue;
            if (it->worker->lost()) {
                Forget(id, kSessionLost);
                freed.push_back(std::move(it->worker));
                sessions_.erase(it);
                found.gone = kSessionLost;
                return found;
            }
            it->lastUsed = Clock::now();
            sessions_.splice(sessions_.begin(), sessions_, it);
            found.worker = it->worker;
            return found;
        }
        if (const auto forgotten = gone_.find(id); forgotten != gone_.end() || !start) {
            found.gone = forgotten != gone_.end() ? forgotten->second : SessionGoneMessage(most_);
            return found;
        }
        found.full = !MakeRoom(&freed);
        if (found.full) {
            found.error = TooManyTabsMessage(most_);
            return found;
        }
    }
    // Started outside the lock: a plug-in takes a while to load, and other tabs go on.
    std::shared_ptr<Worker> worker = Start(id, &found.error);
    if (!worker) return found;
    std::lock_guard<std::mutex> guard(lock_);
    for (Kept& kept : sessions_)
        if (kept.id == id) {  // another request of the tab started it meanwhile
            freed.push_back(std::move(worker));
            found.worker = kept.worker;
            return found;
        }
    found.full = !MakeRoom(&freed);
    if (found.full) {
        found.error = TooManyTabsMessage(most_);
        freed.push_back(std::move(worker));
        return found;
    }
    sessions_.push_front({id, worker, Clock::now(), 0});
    found.worker = std::move(worker);
    return found;
}

std::shared_ptr<Worker> Sessions::Start(const std::string& id, std::string* error) {
    SessionOptions options = options_;
    options.workDir = options_.workDir + "/" + id;
    int eventPort = 0;
    {
        std::lock_guard<std::mutex> guard(attachLock_);
        eventPort = eventPort_;
    }
    return Worker::Start(
        WorkerArguments(options, id, eventPort), options.workDir, [this, id] { Lost(id); }, error);
}

// Room for one more session: the one unused longest that no page has open gives way.
bool Sessions::MakeRoom(std::vector<std::shared_ptr<Worker>>* freed) {
    if (sessions_.size() < most_) return true;
    for (auto it = sessions_.rbegin(); it != sessions_.rend(); ++it) {
        if (it->sockets > 0 && !it->worker->lost()) continue;
        Forget(it->id, it->worker->lost() ? std::string(kSessionLost) : SessionGoneMessage(most_));
        freed->push_back(std::move(it->worker));
        sessions_.erase(std::next(it).base());
        return true;
    }
    return false;
}

void Sessions::Lost(const std::string& id) {
    std::lock_guard<std::mutex> guard(attachLock_);
    if (onLost_) onLost_(id);
}

std::string Sessions::GoneMessage(const std::string& id) {
    std::lock_guard<std::mutex> guard(lock_);
    const auto forgotten = gone_.find(id);
    return forgotten != gone_.end() ? forgotten->second : std::string(kSessionLost);
}

void Sessions::Forget(const std::string& id, std::string why) {
    gone_[id] = std::move(why);
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
    // Ended outside the lock: a session's plug-in takes a while to shut down.
    std::vector<std::shared_ptr<Worker>> freed;
    std::lock_guard<std::mutex> guard(lock_);
    for (auto it = sessions_.begin(); it != sessions_.end();) {
        const bool lost = it->worker->lost();
        if (!lost && (it->sockets > 0 || now - it->lastUsed < idleLimit_)) {
            ++it;
            continue;
        }
        Forget(it->id, lost ? kSessionLost : kSessionExpired);
        freed.push_back(std::move(it->worker));
        it = sessions_.erase(it);
    }
    return freed.size();
}

}  // namespace quill::serve
