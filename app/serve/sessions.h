// The tabs' sessions by the id each page made for itself (and keeps across reloads), each
// in a worker process of its own. At most `most` are kept: a new tab takes the place of
// the session unused longest among those no page has open (a tab closed, or gone
// elsewhere); when every one is open in a tab, the new tab is refused and told why, for
// no open tab loses its work to another. A session with no event socket open and no
// request for the idle limit is freed, its drawing not saved. A session whose worker
// ended unasked is lost. Whatever ended it, its id is remembered as gone, so that its tab
// is told rather than answered by a fresh session as if nothing had happened.
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "app/serve/session.h"
#include "app/serve/worker.h"

namespace quill::serve {

/// Sessions kept at once by default, and at most (`quill serve --sessions N`).
inline constexpr std::size_t kMostSessions = 16;
inline constexpr std::size_t kMostSessionsAllowed = 256;
/// Ids of sessions that gave way, remembered to tell their tab.
inline constexpr std::size_t kMostGoneRemembered = 4096;

/// What a tab is told when its session was freed for lack of use.
inline constexpr char kSessionExpired[] =
    "Cette session a expiré : aucun onglet ne s'en est servi pendant le délai que le serveur "
    "accorde, et il l'a libérée sans rien enregistrer. Ce que la page montre n'est plus "
    "enregistré ; téléchargez-le, puis rechargez la page.";
/// What a tab is told when its session's process ended unasked.
inline constexpr char kSessionLost[] =
    "Cette session s'est arrêtée : le processus qui gardait son dessin a pris fin sans "
    "prévenir, et rien n'en a été enregistré. Ce que la page montre n'est plus enregistré ; "
    "téléchargez-le, puis rechargez la page. Les autres onglets ne sont pas touchés.";
/// Why a lost session's event socket closes (the page adds that its drawing is not kept).
inline constexpr char kSessionLostReason[] = "La session de cet onglet s'est arrêtée.";

/// What a tab is told when its session gave way to another tab's, `most` being kept.
std::string SessionGoneMessage(std::size_t most);
/// What a new tab is told when `most` sessions are all open in tabs.
std::string TooManyTabsMessage(std::size_t most);

class Sessions {
 public:
    using Clock = std::chrono::steady_clock;

    Sessions(SessionOptions options, Clock::duration idleLimit, std::size_t most)
        : options_(std::move(options)), idleLimit_(idleLimit), most_(most) {}
    ~Sessions();

    /// Where the event socket listens (0: none), and what to do when a session is lost
    /// (its id given, from the worker's thread); set before the first session starts.
    void Attach(int eventPort, std::function<void(const std::string&)> onLost);

    /// What Get found: the session's worker, or why there is none: `gone` (what its tab
    /// is told), `full` (every kept session open in a tab) or `error` (it cannot start).
    struct Found {
        std::shared_ptr<Worker> worker;
        std::string gone, error;
        bool full = false;
    };
    /// The session of that id. A new id starts one when `start` (the page's first
    /// request); otherwise it is gone.
    Found Get(const std::string& id, bool start);
    /// What the tab of a session that is no longer kept is told.
    std::string GoneMessage(const std::string& id);

    /// A tab's event socket opened or closed: a session with one open is in use.
    void SocketOpened(const std::string& id);
    void SocketClosed(const std::string& id);

    /// Frees the sessions unused for the idle limit at `now`, and the lost ones; the
    /// number freed.
    std::size_t ExpireIdle(Clock::time_point now);
    Clock::duration idleLimit() const { return idleLimit_; }

 private:
    struct Kept {
        std::string id;
        std::shared_ptr<Worker> worker;
        Clock::time_point lastUsed;
        int sockets = 0;
    };
    std::shared_ptr<Worker> Start(const std::string& id, std::string* error);
    bool MakeRoom(std::vector<std::shared_ptr<Worker>>* freed);
    void Forget(const std::string& id, std::string why);
    void Lost(const std::string& id);

    SessionOptions options_;
    Clock::duration idleLimit_;
    std::size_t most_;
    int eventPort_ = 0;
    std::mutex lock_;
    std::list<Kept> sessions_;  // latest first
    std::map<std::string, std::string> gone_;
    std::deque<std::string> goneOrder_;  // oldest first, to forget them in turn
    std::mutex attachLock_;
    std::function<void(const std::string&)> onLost_;
};

}  // namespace quill::serve
