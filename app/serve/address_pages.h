// What the server answers outside the page's own addresses: a browser that opens an old
// address (the server was started again, with a new token) or a mistyped one is shown a
// French page that says what to do, not an error in JSON; the icon browsers ask for
// gets an empty answer.
#pragma once

#include <httplib.h>

namespace quill::serve {

/// True for a request the page's scripts make (its answers are JSON).
bool IsApiRequest(const httplib::Request& req);

/// Answers an address the server does not know with `status` and the French page.
void AnswerUnknownAddress(int status, httplib::Response& res);

/// Answers /favicon.ico, at the root or under the token: 204, nothing to show.
bool AnswerFavicon(const httplib::Request& req, httplib::Response& res);

}  // namespace quill::serve
