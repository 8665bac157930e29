#include "app/serve/session_requests.h"

#include <cstdint>
#include <stdexcept>

#include "host/io/json_nesting.h"
#include "sdk/messages.h"

namespace quill::serve {

namespace {

using nlohmann::json;

WorkerAnswer Json(int status, const json& body) {
    WorkerAnswer answer;
    answer.status = status;
    answer.body = body.dump();
    return answer;
}

// One event; a malformed one is refused with 400 and the session goes on.
WorkerAnswer AnswerEvent(Session& session, const std::string& body) {
    // Printing or copying a value recurses once per level: a deeper event is refused
    // before it is parsed.
    if (host::JsonNestingDepth(body) > host::kDeepestJsonNesting)
        return Refusal(400, "L'évènement est imbriqué sur plus de " +
                                std::to_string(host::kDeepestJsonNesting) + " niveaux.");
    json event = json::parse(body, nullptr, false);
    if (event.is_discarded()) return Refusal(400, "L'évènement n'est pas du JSON.");
    try {
        return Json(200, session.Handle(event));
    } catch (const std::invalid_argument& e) {
        return Refusal(400, e.what());
    }
}

WorkerAnswer State(Session& session, int eventPort) {
    json state = session.State();
    if (eventPort) state["eventPort"] = eventPort;
    return Json(200, state);
}

WorkerAnswer Open(Session& session, const std::string& name, const std::string& bytes) {
    const json answer = session.Open(name, bytes);
    return Json(answer.contains("error") ? 422 : 200, answer);
}

WorkerAnswer Save(Session& session) {
    WorkerAnswer answer;
    std::string why;
    if (!session.Save(&answer.body, &why))
        return Refusal(500, "Le dessin ne peut pas être enregistré : " + why);
    answer.type = "image/svg+xml";
    return answer;
}

WorkerAnswer Picture(Session& session, const std::string& dpi) {
    WorkerAnswer answer;
    std::string why;
    if (!session.ExportPng(std::stoi(dpi), &answer.body, &why))
        return Refusal(500, "L'image ne peut pas être exportée : " + why);
    answer.type = "image/png";
    return answer;
}

// "icon:ID" or "cursor:ID": an icon as its SVG; a cursor as its hot spot and picture.
WorkerAnswer Resource(Session& session, const std::string& which) {
    const bool icon = which.rfind("icon:", 0) == 0;
    const auto* bytes = session.Resource(icon ? kIconResourceType : kCursorResourceType,
                                         std::stoi(which.substr(which.find(':') + 1)));
    if (!bytes) return Refusal(404, "Ressource inconnue.");
    if (icon) {
        WorkerAnswer answer;
        answer.body.assign(bytes->begin(), bytes->end());
        answer.type = "image/svg+xml";
        return answer;
    }
    // A cursor: little-endian int16 hot spot x, y, then its picture.
    if (bytes->size() < 4) return Refusal(500, "Une ressource de curseur est trop courte.");
    const auto hot = [&](std::size_t at) {
        return static_cast<std::int16_t>((*bytes)[at] | (*bytes)[at + 1] << 8);
    };
    return Json(200, {{"hotX", hot(0)},
                      {"hotY", hot(2)},
                      {"svg", std::string(bytes->begin() + 4, bytes->end())}});
}

}  // namespace

WorkerAnswer Refusal(int status, const std::string& message) {
    return Json(status, json{{"error", message}});
}

WorkerAnswer AnswerRequest(Session& session, const WorkerRequest& request, int eventPort) {
    const std::string& route = request.route;
    if (route == "event") return AnswerEvent(session, request.body);
    if (route == "state") return State(session, eventPort);
    if (route == "open") return Open(session, request.argument, request.body);
    if (route == "save") return Save(session);
    if (route == "png") return Picture(session, request.argument);
    if (route == "resource") return Resource(session, request.argument);
    WorkerAnswer alive;
    alive.status = 204;
    return alive;
}

}  // namespace quill::serve
