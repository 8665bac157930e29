// The tabs' sessions by the id each page made for itself (and keeps across reloads). At
// most kMostSessions are kept; the one unused longest gives way to a new tab. A session
// with no event socket open and no request for the idle limit is freed, its drawing not
// saved. Either way its id is remembered as gone, so that its tab is told rather than
// answered by a fresh session as if nothing had happened.
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "app/serve/session.h"

namespace quill::serve {

/// Sessions kept at once; the one unused longest gives way to a new tab.
inline constexpr std::size_t kMostSessions = 16;
/// Ids of sessions that gave way, remembered to tell their tab.
inline constexpr std::size_t kMostGoneRemembered = 4096;

/// What a tab is told when its session gave way to another tab's.
inline constexpr char kSessionGone[] =
    "Cette session a été remplacée : le serveur en garde 16 au plus et a donné sa place à un "
    "autre onglet. Ce que la page montre n'est plus enregistré ; téléchargez-le, puis "
    "rechargez la page.";
/// What a tab is told when its session was freed for lack of use.
inline constexpr char kSessionExpired[] =
    "Cette session a expiré : aucun onglet ne s'en est servi pendant le délai que le serveur "
    "accorde, et il l'a libérée sans rien enregistrer. Ce que la page montre n'est plus "
    "enregistré ; téléchargez-le, puis rechargez la page.";

class Sessions {
 public:
    using Clock = std::chrono::steady_clock;

    Sessions(SessionOptions options, Clock::duration idleLimit)
        : options_(std::move(options)), idleLimit_(idleLimit) {}

    /// The session of that id. A new id starts one when `start` (the page's first
    /// request); otherwise, or for a session that gave way or expired, nullptr with
    /// `gone` set to what its tab is told. A session that cannot start gives nullptr
    /// with `error` set.
    std::shared_ptr<Session> Get(const std::string& id, bool start, std::string* gone,
                                 std::string* error);

    /// A tab's event socket opened or closed: a session with one open is in use.
    void SocketOpened(const std::string& id);
    void SocketClosed(const std::string& id);

    /// Frees the sessions unused for the idle limit at `now`; the number freed.
    std::size_t ExpireIdle(Clock::time_point now);
    Clock::duration idleLimit() const { return idleLimit_; }

 private:
    struct Kept {
        std::string id;
        std::shared_ptr<Session> session;
        Clock::time_point lastUsed;
        int sockets = 0;
    };
    void Forget(const std::string& id, const char* why);

    SessionOptions options_;
    Clock::duration idleLimit_;
    std::mutex lock_;
    std::list<Kept> sessions_;  // latest first
    std::map<std::string, const char*> gone_;
    std::deque<std::string> goneOrder_;  // oldest first, to forget them in turn
};

}  // namespace quill::serve
