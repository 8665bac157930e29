#include "app/serve/server.h"

#include <httplib.h>

#include <chrono>
#include <fstream>
#include <list>
#include <map>
#include <memory>
#include <random>
#include <sstream>

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

void Refuse(httplib::Response& res, int status, const std::string& message) {
    res.status = status;
    res.set_content(json{{"error", message}}.dump(), "application/json");
}

// The tabs' sessions by the id each page made for itself.
class Sessions {
 public:
    explicit Sessions(SessionOptions options) : options_(std::move(options)) {}

    /// The session of that id, started if new; nullptr with `error` when it cannot start.
    std::shared_ptr<Session> Get(const std::string& id, std::string* error) {
        std::lock_guard<std::mutex> guard(lock_);
        for (auto it = sessions_.begin(); it != sessions_.end(); ++it)
            if (it->first == id) {
                sessions_.splice(sessions_.begin(), sessions_, it);
                return it->second;
            }
        SessionOptions options = options_;
        options.workDir = options_.workDir + "/" + id;
        auto session = std::make_shared<Session>(options, error);
        if (!error->empty()) return nullptr;
        sessions_.emplace_front(id, session);
        if (sessions_.size() > kMostSessions) sessions_.pop_back();
        return session;
    }

 private:
    SessionOptions options_;
    std::mutex lock_;
    std::list<std::pair<std::string, std::shared_ptr<Session>>> sessions_;  // latest first
};

bool ValidSessionId(const std::string& id) {
    if (id.empty() || id.size() > 64) return false;
    for (char c : id)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') return false;
    return true;
}

}  // namespace

bool Serve(const ServerOptions& options, const std::function<void(const std::string&)>& ready,
           std::string* error) {
    httplib::Server server;
    const std::string token = options.token.empty() ? RandomHex(16) : options.token;
    const std::string prefix = "/" + token;
    auto sessions = std::make_shared<Sessions>(options.session);
    int port = options.port;

    server.set_payload_max_length(kLargestUpload);
    // A tab sends an event after each answer: one connection kept for all, each answer
    // sent at once.
    server.set_keep_alive_max_count(100000);
    server.set_keep_alive_timeout(60);
    server.set_tcp_nodelay(true);
    // Only our own page, at the address we gave, with the token: a page of another site
    // (or a name rebound to this machine) reaches nothing.
    server.set_pre_routing_handler([&](const httplib::Request& req, httplib::Response& res) {
        const std::string origin = req.get_header_value("Origin");
        const std::string hostHeader = req.get_header_value("Host");
        const std::string portText = ":" + std::to_string(port);
        const bool hostOk = hostHeader == options.address + portText ||
                            hostHeader == "127.0.0.1" + portText ||
                            hostHeader == "localhost" + portText;
        if (!hostOk) {
            Refuse(res, 403, "unknown host");
            return httplib::Server::HandlerResponse::Handled;
        }
        if (!origin.empty() && origin != "http://" + hostHeader) {
            Refuse(res, 403, "requests from other origins are refused");
            return httplib::Server::HandlerResponse::Handled;
        }
        if (req.path.compare(0, prefix.size() + 1, prefix + "/") != 0) {
            Refuse(res, 403, "the address lacks the session's token");
            return httplib::Server::HandlerResponse::Handled;
        }
        res.set_header("Cache-Control", "no-store");
        res.set_header("X-Content-Type-Options", "nosniff");
        return httplib::Server::HandlerResponse::Unhandled;
    });

    // The session a request names (?session=ID), or nullptr with the answer set.
    const auto sessionOf = [sessions](const httplib::Request& req,
                                      httplib::Response& res) -> std::shared_ptr<Session> {
        const std::string id = req.get_param_value("session");
        if (!ValidSessionId(id)) {
            Refuse(res, 400, "a session id (letters, digits, '-') is expected");
            return nullptr;
        }
        std::string why;
        auto session = sessions->Get(id, &why);
        if (!session) Refuse(res, 500, why);
        return session;
    };

    server.Get(prefix + "/api/state",
               [sessionOf](const httplib::Request& req, httplib::Response& res) {
                   if (auto session = sessionOf(req, res)) {
                       std::lock_guard<std::mutex> guard(session->lock());
                       res.set_content(session->State().dump(), "application/json");
                   }
               });
    server.Post(prefix + "/api/event",
                [sessionOf](const httplib::Request& req, httplib::Response& res) {
                    auto session = sessionOf(req, res);
                    if (!session) return;
                    json event = json::parse(req.body, nullptr, false);
                    if (event.is_discarded()) return Refuse(res, 400, "the event is not JSON");
                    std::lock_guard<std::mutex> guard(session->lock());
                    try {
                        res.set_content(session->Handle(event).dump(), "application/json");
                    } catch (const std::invalid_argument& e) {
                        Refuse(res, 400, e.what());
                    }
                });
    server.Post(prefix + "/api/open",
                [sessionOf](const httplib::Request& req, httplib::Response& res) {
                    auto session = sessionOf(req, res);
                    if (!session) return;
                    std::string name = req.get_param_value("name");
                    if (name.empty() || name.size() > 200) name = "drawing.svg";
                    std::lock_guard<std::mutex> guard(session->lock());
                    json answer = session->Open(name, req.body);
                    if (answer.contains("error")) res.status = 422;
                    res.set_content(answer.dump(), "application/json");
                });
    server.Get(prefix + "/api/save",
               [sessionOf](const httplib::Request& req, httplib::Response& res) {
                   auto session = sessionOf(req, res);
                   if (!session) return;
                   std::lock_guard<std::mutex> guard(session->lock());
                   std::string body, why;
                   if (!session->Save(&body, &why)) return Refuse(res, 500, why);
                   res.set_content(body, "image/svg+xml");
               });
    server.Get(prefix + "/api/png",
               [sessionOf](const httplib::Request& req, httplib::Response& res) {
                   auto session = sessionOf(req, res);
                   if (!session) return;
                   std::lock_guard<std::mutex> guard(session->lock());
                   std::string body, why;
                   if (!session->ExportPng(&body, &why)) return Refuse(res, 500, why);
                   res.set_content(body, "image/png");
               });
    // The plug-in's icons and cursors: /api/resource/icon/ID, /api/resource/cursor/ID.
    server.Get(prefix + R"(/api/resource/(icon|cursor)/(\d{1,9}))",
               [sessionOf](const httplib::Request& req, httplib::Response& res) {
                   auto session = sessionOf(req, res);
                   if (!session) return;
                   const bool icon = req.matches[1] == "icon";
                   const auto* bytes = session->Resource(
                       icon ? kIconResourceType : kCursorResourceType, std::stoi(req.matches[2]));
                   if (!bytes) return Refuse(res, 404, "no such resource");
                   if (icon) {
                       res.set_content(std::string(bytes->begin(), bytes->end()), "image/svg+xml");
                       return;
                   }
                   // A cursor: little-endian int16 hot spot x, y, then its picture.
                   if (bytes->size() < 4) return Refuse(res, 500, "a cursor resource is too short");
                   const auto hot = [&](std::size_t at) {
                       return static_cast<std::int16_t>((*bytes)[at] | (*bytes)[at + 1] << 8);
                   };
                   res.set_content(json{{"hotX", hot(0)},
                                        {"hotY", hot(2)},
                                        {"svg", std::string(bytes->begin() + 4, bytes->end())}}
                                       .dump(),
                                   "application/json");
               });
    // The page and its modules.
    const std::string webDir = options.webDir;
    server.Get(prefix + R"(/([a-z_]*\.(html|js|css))?)", [webDir](const httplib::Request& req,
                                                                  httplib::Response& res) {
        const std::string file = req.matches[1].length() ? req.matches[1].str() : "index.html";
        std::ifstream in(webDir + "/" + file, std::ios::binary);
        if (!in) return Refuse(res, 404, "no such file");
        std::stringstream text;
        text << in.rdbuf();
        res.set_content(text.str(), ContentType(file));
    });

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
