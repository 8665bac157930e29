#include "app/serve/server.h"

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <list>
#include <map>
#include <memory>
#include <random>
#include <sstream>

#include "app/serve/address_pages.h"
#include "app/serve/event_socket.h"
#include "app/serve/guarded_server.h"
#include "app/serve/idle_sweeper.h"
#include "app/serve/sessions.h"
#include "host/io/json_nesting.h"
#include "sdk/messages.h"

namespace quill::serve {

namespace {

using nlohmann::json;

httplib::Server* running = nullptr;
std::mutex runningLock;

std::string RandomHex(std::size_t bytes) {
    std::random_device device;
    std::string out;
    const char* digits = "0123456789abcdef";
    for (std::size_t i = 0; i < bytes; ++i) {
        const unsigned byte = device() & 0xFFu;
        out += digits[byte >> 4];
        out += digits[byte & 0xFu];
    }
    return out;
}

const char* ContentType(const std::string& path) {
    const auto ends = [&](const char* suffix) {
        const std::string s(suffix);
        return path.size() >= s.size() && path.compare(path.size() - s.size(), s.size(), s) == 0;
    };
    if (ends(".html")) return "text/html; charset=utf-8";
    if (ends(".js") || ends(".mjs")) return "text/javascript; charset=utf-8";
    if (ends(".css")) return "text/css; charset=utf-8";
    if (ends(".svg")) return "image/svg+xml";
    return "application/octet-stream";
}

// The refusals of requests that are not the page's own, also on the event socket.
constexpr char kUnknownHost[] = "Hôte inconnu.";
constexpr char kOtherOrigin[] = "Les requêtes venues d'une autre origine sont refusées.";
constexpr char kNoToken[] = "L'adresse ne porte pas le jeton de la session.";
constexpr char kBadSessionId[] =
    "Un identifiant de session (lettres, chiffres, « - ») est attendu.";

void Refuse(httplib::Response& res, int status, const std::string& message) {
    res.status = status;
    res.set_content(json{{"error", message}}.dump(), "application/json");
}

bool ValidSessionId(const std::string& id) {
    if (id.empty() || id.size() > 64) return false;
    for (char c : id)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') return false;
    return true;
}

// A Host header names this machine at `port`: the bound address, or the loopback names.
bool HostAllowed(const std::string& host, const std::string& address, int port) {
    const std::string portText = ":" + std::to_string(port);
    return host == address + portText || host == "127.0.0.1" + portText ||
           host == "localhost" + portText;
}

// The answer to one event of a session: its status and body. A malformed event is
// refused with 400 and the session goes on.
std::pair<int, json> AnswerEvent(Session& session, const std::string& body) {
    // Printing or copying a value recurses once per level: a deeper event is refused
    // before it is parsed.
    if (host::JsonNestingDepth(body) > host::kDeepestJsonNesting)
        return {400, json{{"error", "L'évènement est imbriqué sur plus de " +
                                        std::to_string(host::kDeepestJsonNesting) + " niveaux."}}};
    json event = json::parse(body, nullptr, false);
    if (event.is_discarded()) return {400, json{{"error", "L'évènement n'est pas du JSON."}}};
    std::lock_guard<std::mutex> guard(session.lock());
    try {
        return {200, session.Handle(event)};
    } catch (const std::invalid_argument& e) {
        return {400, json{{"error", e.what()}}};
    }
}

// The page's event socket: admitted at /TOKEN/api/events?session=ID, from the page's own
// origin; each message is an event, each answer its changes or {"error": why}.
EventSocketHandlers SocketHandlers(const std::shared_ptr<Sessions>& sessions,
                                   const std::string& prefix, const std::string& address,
                                   const std::atomic<int>& httpPort,
                                   const std::atomic<int>& socketPort) {
    EventSocketHandlers handlers;
    handlers.admit = [=, &httpPort, &socketPort](const std::string& target, const std::string& host,
                                                 const std::string& origin, std::string* why) {
        const std::string path = prefix + "/api/events?session=";
        if (target.compare(0, path.size(), path) != 0) {
            *why = kNoToken;
            return std::string();
        }
        const std::string id = target.substr(path.size());
        const std::string hostName = host.substr(0, host.rfind(':'));
        if (!HostAllowed(host, address, socketPort))
            *why = kUnknownHost;
        else if (origin != "http://" + hostName + ":" + std::to_string(httpPort))
            *why = kOtherOrigin;
        else if (!ValidSessionId(id))
            *why = kBadSessionId;
        else
            return id;
        return std::string();
    };
    handlers.answer = [sessions](const std::string& id, const std::string& message) {
        std::string why, gone;
        auto session = sessions->Get(id, false, &gone, &why);
        if (!gone.empty()) return json{{"error", gone}, {"gone", true}}.dump();
        if (!session) return json{{"error", why}}.dump();
        return AnswerEvent(*session, message).second.dump();
    };
    handlers.opened = [sessions](const std::string& id) { sessions->SocketOpened(id); };
    handlers.closed = [sessions](const std::string& id) { sessions->SocketClosed(id); };
    return handlers;
}

// What the route handlers share: the tabs' sessions, the port of the event socket (0
// when there is none) and the folder of the page's files.
struct Routes {
    std::shared_ptr<Sessions> sessions;
    const std::atomic<int>* socketPort = nullptr;
    std::string webDir;
};

// The guard before every route: only our own page, at the address we gave, with the token.
// A page of another site (or a name rebound to this machine) reaches nothing.
httplib::Server::HandlerResponse Guard(const std::string& address, const std::atomic<int>& port,
                                       const std::string& prefix, const httplib::Request& req,
                                       httplib::Response& res) {
    const std::string origin = req.get_header_value("Origin");
    const std::string hostHeader = req.get_header_value("Host");
    if (!HostAllowed(hostHeader, address, port)) {
        Refuse(res, 403, kUnknownHost);
        return httplib::Server::HandlerResponse::Handled;
    }
    if (!origin.empty() && origin != "http://" + hostHeader) {
        Refuse(res, 403, kOtherOrigin);
        return httplib::Server::HandlerResponse::Handled;
    }
    if (AnswerFavicon(req, res)) return httplib::Server::HandlerResponse::Handled;
    if (req.path.compare(0, prefix.size() + 1, prefix + "/") != 0) {
        if (IsApiRequest(req))
            Refuse(res, 403, kNoToken);
        else
            AnswerUnknownAddress(403, res);
        return httplib::Server::HandlerResponse::Handled;
    }
    res.set_header("Cache-Control", "no-store");
    res.set_header("X-Content-Type-Options", "nosniff");
    return httplib::Server::HandlerResponse::Unhandled;
}

// The session a request names (?session=ID), or nullptr with the answer set: 410 for
// a session that gave way to another tab's or expired (or that the page never started:
// only the page's first request, `start`, starts one).
std::shared_ptr<Session> SessionOf(const Routes& routes, const httplib::Request& req,
                                   httplib::Response& res, bool start = false) {
    const std::string id = req.get_param_value("session");
    if (!ValidSessionId(id)) {
        Refuse(res, 400, kBadSessionId);
        return nullptr;
    }
    std::string why, gone;
    auto session = routes.sessions->Get(id, start, &gone, &why);
    if (!gone.empty()) {
        res.status = 410;
        res.set_content(json{{"error", gone}, {"gone", true}}.dump(), "application/json");
    } else if (!session) {
        Refuse(res, 500, "La session ne peut pas démarrer : " + why);
    }
    return session;
}

// GET /api/state: the session's drawing and tools, and where its event socket listens.
void SendState(const Routes& routes, const httplib::Request& req, httplib::Response& res) {
    auto session = SessionOf(routes, req, res, true);
    if (!session) return;
    std::lock_guard<std::mutex> guard(session->lock());
    json state = session->State();
    if (*routes.socketPort) state["eventPort"] = routes.socketPort->load();
    res.set_content(state.dump(), "application/json");
}

// The body of a request, counted as it arrives (in chunks or not, inflated when it
// came compressed) and refused with 413 past kLargestUpload; false with the answer set.
bool ReadBody(const httplib::ContentReader& reader, httplib::Response& res, std::string* body) {
    bool tooLarge = false;
    const bool read = reader([&](const char* bytes, std::size_t size) {
        tooLarge = body->size() + size > kLargestUpload;
        if (!tooLarge) body->append(bytes, size);
        return !tooLarge;
    });
    if (read) return true;
    const int status = tooLarge || res.status == 413 ? 413 : res.status == 415 ? 415 : 400;
    Refuse(res, status,
           status == 413
               ? "La requête dépasse " + std::to_string(kLargestUpload / (1024 * 1024)) + " Mio."
           : status == 415 ? std::string("L'encodage de la requête n'est pas pris en charge.")
                           : std::string("Le corps de la requête ne peut pas être lu."));
    return false;
}

// GET /api/alive: a page without the event socket says it is still open.
void KeepAlive(const Routes& routes, const httplib::Request& req, httplib::Response& res) {
    if (SessionOf(routes, req, res)) res.status = 204;
}

// POST /api/event: an event, when the page has no socket.
void TakeEvent(const Routes& routes, const httplib::Request& req, httplib::Response& res,
               const std::string& body) {
    auto session = SessionOf(routes, req, res);
    if (!session) return;
    const auto [status, answer] = AnswerEvent(*session, body);
    res.status = status;
    res.set_content(answer.dump(), "application/json");
}

// POST /api/open?name=NAME: a drawing sent by the page replaces the session's.
void OpenDrawing(const Routes& routes, const httplib::Request& req, httplib::Response& res,
                 const std::string& body) {
    auto session = SessionOf(routes, req, res);
    if (!session) return;
    std::string name = req.get_param_value("name");
    if (name.empty() || name.size() > 200) name = "drawing.svg";
    std::lock_guard<std::mutex> guard(session->lock());
    json answer = session->Open(name, body);
    if (answer.contains("error")) res.status = 422;
    res.set_content(answer.dump(), "application/json");
}

// GET /api/save: the drawing as SVG.
void SaveDrawing(const Routes& routes, const httplib::Request& req, httplib::Response& res) {
    auto session = SessionOf(routes, req, res);
    if (!session) return;
    std::lock_guard<std::mutex> guard(session->lock());
    std::string body, why;
    if (!session->Save(&body, &why))
        return Refuse(res, 500, "Le dessin ne peut pas être enregistré : " + why);
    res.set_content(body, "image/svg+xml");
}

// The resolutions the page offers for a picture, pixels to the inch; without one asked,
// the drawing's own size (96 to the inch).
constexpr int kSmallestDpi = 72, kLargestDpi = 600, kNaturalDpi = 96;

// The resolution a request asks (?dpi=N), or 0 when it is not a whole number in range.
int AskedDpi(const httplib::Request& req) {
    if (!req.has_param("dpi")) return kNaturalDpi;
    const std::string text = req.get_param_value("dpi");
    if (text.empty() || text.size() > 4) return 0;
    int dpi = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        dpi = dpi * 10 + (c - '0');
    }
    return dpi >= kSmallestDpi && dpi <= kLargestDpi ? dpi : 0;
}

// GET /api/png?dpi=N: the drawing as a picture.
void ExportPicture(const Routes& routes, const httplib::Request& req, httplib::Response& res) {
    const int dpi = AskedDpi(req);
    if (dpi == 0)
        return Refuse(res, 400,
                      "La résolution doit être un nombre entier de " +
                          std::to_string(kSmallestDpi) + " à " + std::to_string(kLargestDpi) +
                          " points par pouce.");
    auto session = SessionOf(routes, req, res);
    if (!session) return;
    std::lock_guard<std::mutex> guard(session->lock());
    std::string body, why;
    if (!session->ExportPng(dpi, &body, &why))
        return Refuse(res, 500, "L'image ne peut pas être exportée : " + why);
    res.set_content(body, "image/png");
}

// GET /api/resource/icon/ID, /api/resource/cursor/ID: the plug-in's icons and cursors,
// read under the session's lock like everything else of it.
void SendResource(const Routes& routes, const httplib::Request& req, httplib::Response& res) {
    auto session = SessionOf(routes, req, res);
    if (!session) return;
    const bool icon = req.matches[1] == "icon";
    std::lock_guard<std::mutex> guard(session->lock());
    const auto* bytes = session->Resource(icon ? kIconResourceType : kCursorResourceType,
                                          std::stoi(req.matches[2]));
    if (!bytes) return Refuse(res, 404, "Ressource inconnue.");
    if (icon) {
        res.set_content(std::string(bytes->begin(), bytes->end()), "image/svg+xml");
        return;
    }
    // A cursor: little-endian int16 hot spot x, y, then its picture.
    if (bytes->size() < 4) return Refuse(res, 500, "Une ressource de curseur est trop courte.");
    const auto hot = [&](std::size_t at) {
        return static_cast<std::int16_t>((*bytes)[at] | (*bytes)[at + 1] << 8);
    };
    res.set_content(json{{"hotX", hot(0)},
                         {"hotY", hot(2)},
                         {"svg", std::string(bytes->begin() + 4, bytes->end())}}
                        .dump(),
                    "application/json");
}

// GET /, /NAME.html, .js, .css: the page and its modules.
void SendPageFile(const Routes& routes, const httplib::Request& req, httplib::Response& res) {
    const std::string file = req.matches[1].length() ? req.matches[1].str() : "index.html";
    std::ifstream in(routes.webDir + "/" + file, std::ios::binary);
    if (!in) return AnswerUnknownAddress(404, res);
    std::stringstream text;
    text << in.rdbuf();
    res.set_content(text.str(), ContentType(file));
}

}  // namespace

bool Serve(const ServerOptions& options, const std::function<void(const std::string&)>& ready,
           std::string* error) {
    GuardedServer server;
    const std::string token = options.token.empty() ? RandomHex(16) : options.token;
    const std::string prefix = "/" + token;
    std::atomic<int> port{options.port};
    std::atomic<int> socketPort{0};
    const Routes routes{std::make_shared<Sessions>(options.session, options.idleLimit), &socketPort,
                        options.webDir};
    const IdleSweeper sweeper(routes.sessions);

    server.set_payload_max_length(kLargestUpload);
    // An address under the token that names nothing: the French page, for a browser.
    server.set_error_handler([](const httplib::Request& req, httplib::Response& res) {
        if (res.status == 404 && res.body.empty() && !IsApiRequest(req))
            AnswerUnknownAddress(404, res);
    });
    server.set_pre_routing_handler([&](const httplib::Request& req, httplib::Response& res) {
        return Guard(options.address, port, prefix, req, res);
    });

    const EventSocket socket(options.address, SocketHandlers(routes.sessions, prefix,
                                                             options.address, port, socketPort));
    socketPort = socket.port();

    using Handler = void (*)(const Routes&, const httplib::Request&, httplib::Response&);
    const auto route = [&routes](Handler handler) {
        return [&routes, handler](const httplib::Request& req, httplib::Response& res) {
            handler(routes, req, res);
        };
    };
    using BodyHandler =
        void (*)(const Routes&, const httplib::Request&, httplib::Response&, const std::string&);
    const auto routeWithBody = [&routes](BodyHandler handler) {
        return [&routes, handler](const httplib::Request& req, httplib::Response& res,
                                  const httplib::ContentReader& reader) {
            std::string body;
            if (ReadBody(reader, res, &body)) handler(routes, req, res, body);
        };
    };
    server.Get(prefix + "/api/state", route(SendState));
    server.Get(prefix + "/api/alive", route(KeepAlive));
    server.Post(prefix + "/api/event", routeWithBody(TakeEvent));
    server.Post(prefix + "/api/open", routeWithBody(OpenDrawing));
    server.Get(prefix + "/api/save", route(SaveDrawing));
    server.Get(prefix + "/api/png", route(ExportPicture));
    server.Get(prefix + R"(/api/resource/(icon|cursor)/(\d{1,9}))", route(SendResource));
    server.Get(prefix + R"(/([a-z_]*\.(html|js|css))?)", route(SendPageFile));

    port = options.port == 0
               ? server.bind_to_any_port(options.address)
               : (server.bind_to_port(options.address, options.port) ? options.port : -1);
    if (port <= 0) {
        *error = "cannot listen on " + options.address + ":" + std::to_string(options.port);
        return false;
    }
    {
        std::lock_guard<std::mutex> guard(runningLock);
        running = &server;
    }
    ready("http://" + (options.address == "0.0.0.0" ? std::string("127.0.0.1") : options.address) +
          ":" + std::to_string(port) + prefix + "/");
    const bool ok = server.listen_after_bind();
    {
        std::lock_guard<std::mutex> guard(runningLock);
        running = nullptr;
    }
    if (!ok) *error = "the server stopped on an error";
    return ok;
}

void Stop() {
    std::lock_guard<std::mutex> guard(runningLock);
    if (running) running->stop();
}

}  // namespace quill::serve
