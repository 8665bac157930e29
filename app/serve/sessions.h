// The tabs' sessions by the id each page made for itself. At most kMostSessions are kept;
// the one unused longest gives way to a new tab, and is remembered as gone, so that its
// tab is told rather than answered by a fresh session as if nothing had happened.
#pragma once

#include <cstddef>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <set>
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

class Sessions {
 public:
    explicit Sessions(SessionOptions options) : options_(std::move(options)) {}

    /// The session of that id. A new id starts one when `start` (the page's first
    /// request); otherwise, or for a session that gave way, nullptr with `gone` set. A
    /// session that cannot start gives nullptr with `error` set.
    std::shared_ptr<Session> Get(const std::string& id, bool start, bool* gone, std::string* error);

 private:
    SessionOptions options_;
    std::mutex lock_;
    std::list<std::pair<std::string, std::shared_ptr<Session>>> sessions_;  // latest first
    std::set<std::string> gone_;
    std::deque<std::string> goneOrder_;  // oldest first, to forget them in turn
};

}  // namespace quill::serve
