#include "host/scripting/session_actions.h"

#include "host/core/event_state.h"
#include "host/scripting/script_parser.h"
#include "host/svg/svg.h"

namespace host {

bool OpenDrawing(Host& host, const std::string& path, std::string* error) {
    std::string warnings;
    auto document = LoadSvgDocument(path, error, &warnings);
    if (!warnings.empty()) host.log().warnings.push_back(warnings);
    if (!document) return false;
    host.ReplaceDocument(std::move(document));
    return true;
}

bool SelectNamedTool(Host& host, const std::string& name, std::string* error) {
    return host.SelectToolByTitle(ToolTitleOfScriptName(name), error);
}

bool SendPointer(Host& host, const std::string& verb, AIRealPoint point,
                 const std::set<std::int32_t>& keys) {
    if (verb == "move") {
        host.SendMouseEvent(MouseEvent::Move, point, keys);
    } else if (verb == "down" || verb == "click") {
        host.SendMouseEvent(MouseEvent::Down, point, keys);
        if (verb == "click") host.SendMouseEvent(MouseEvent::Up, point, keys);
    } else if (verb == "drag") {
        host.SendMouseEvent(MouseEvent::Drag, point, keys);
    } else if (verb == "up") {
        host.SendMouseEvent(MouseEvent::Up, point, keys);
    } else {
        return false;
    }
    return true;
}

}  // namespace host
