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
    // The answer is given on the worker's thread: the socket's own goes on with other tabs.
    handlers.answer = [sessions = sessions.get()](const std::string& id, const std::string& message,
                                                  std::function<void(std::string)> reply) {
        Sessions::Found found = sessions->Get(id, false);
        if (!found.gone.empty()) return reply(json{{"error", found.gone}, {"gone", true}}.dump());
        if (!found.worker) return reply(json{{"error", found.error}}.dump());
        found.worker->Post({"event", "", message}, [sessions, id, reply](WorkerAnswer answer) {
            if (answer.lost)
                return reply(json{{"error", sessions->GoneMessage(id)}, {"gone", true}}.dump());
            reply(std::move(answer.body));
        });
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

// The worker of the session a request names (?session=ID), or nullptr with the answer
// set: 410 for a session that gave way to another tab's, expired or was lost (or that the
// page never started: only the page's first request, `state`, starts one), 503 when every
// session the server keeps is open in a tab.
std::shared_ptr<Worker> WorkerOf(const Routes& routes, const httplib::Request& req,
                                 httplib::Response& res, bool start) {
    const std::string id = req.get_param_value("session");
    if (!ValidSessionId(id)) {
        Refuse(res, 400, kBadSessionId);
        return nullptr;
    }
    Sessions::Found found = routes.sessions->Get(id, start);
    if (!found.gone.empty()) {
        res.status = 410;
        res.set_content(json{{"error", found.gone}, {"gone", true}}.dump(), "application/json");
    } else if (found.full) {
        Refuse(res, 503, found.error);
    } else if (!found.worker) {
        Refuse(res, 500, "La session ne peut pas démarrer : " + found.error);
    }
    return found.worker;
}

// Hands a request to its session's worker and gives back its answer.
void Relay(const Routes& routes, const httplib::Request& req, httplib::Response& res,
           WorkerRequest request, bool start = false) {
    const std::shared_ptr<Worker> worker = WorkerOf(routes, req, res, start);
    if (!worker) return;
    WorkerAnswer answer = worker->Ask(std::move(request));
    if (answer.lost) {
        res.status = 410;
        const std::string why = routes.sessions->GoneMessage(req.get_param_value("session"));
        res.set_content(json{{"error", why}, {"gone", true}}.dump(), "application/json");
        return;
    }
    res.status = answer.status;
    if (answer.status != 204) res.set_content(std::move(answer.body), answer.type);
}

// GET /api/state: the session's drawing and tools, and where its event socket listens.
void SendState(const Routes& routes, const httplib::Request& req, httplib::Response& res) {
    Relay(routes, req, res, {"state", "", ""}, true);
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
    Relay(routes, req, res, {"alive", "", ""});
}

// POST /api/event: an event, when the page has no socket.
void TakeEvent(const Routes& routes, const httplib::Request& req, httplib::Response& res,
               const std::string& body) {
    Relay(routes, req, res, {"event", "", body});
}

// POST /api/open?name=NAME: a drawing sent by the page replaces the session's.
void OpenDrawing(const Routes& routes, const httplib::Request& req, httplib::Response& res,
                 const std::string& body) {
    std::string name = req.get_param_value("name");
    if (name.empty() || name.size() > 200) name = "drawing.svg";
    Relay(routes, req, res, {"open", name, body});
}

// GET /api/save: the drawing as SVG.
void SaveDrawing(const Routes& routes, const httplib::Request& req, httplib::Response& res) {
    Relay(routes, req, res, {"save", "", ""});
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
    Relay(routes, req, res, {"png", std::to_string(dpi), ""});
}

// GET /api/resource/icon/ID, /api/resource/cursor/ID: the plug-in's icons and cursors.
void SendResource(const Routes& routes, const httplib::Request& req, httplib::Response& res) {
    Relay(routes, req, res, {"resource", req.matches[1].str() + ":" + req.matches[2].str(), ""});
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

// While it lives, a session whose worker is lost has its pages' sockets closed with why.
class LostSessionsClosed {
 public:
    LostSessionsClosed(Sessions& sessions, const EventSocket& socket) : sessions_(sessions) {
        sessions_.Attach(socket.port(), [&socket](const std::string& id) {
            socket.CloseSession(id, kSessionLostReason);
        });
    }
    ~LostSessionsClosed() { sessions_.Attach(0, nullptr); }
    LostSessionsClosed(const LostSessionsClosed&) = delete;
    LostSessionsClosed& operator=(const LostSessionsClosed&) = delete;

 private:
    Sessions& sessions_;
};

}  // namespace

bool Serve(const ServerOptions& options, const std::function<void(const std::string&)>& ready,
           std::string* error) {
    GuardedServer server;
    const std::string token = options.token.empty() ? RandomHex(16) : options.token;
    const std::string prefix = "/" + token;
    std::atomic<int> port{options.port};
    std::atomic<int> socketPort{0};
    const Routes routes{
        std::make_shared<Sessions>(options.session, options.idleLimit, options.mostSessions),
        &socketPort, options.webDir};
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
    const LostSessionsClosed lostClosed(*routes.sessions, socket);

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
