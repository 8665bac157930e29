#include "host/scripting/session_actions.h"

#include "host/core/event_state.h"
#include "host/core/undo_texts.h"
#include "host/prefs/preference_json.h"
#include "host/scripting/script_parser.h"
#include "host/scripting/script_runner.h"
#include "host/svg/svg.h"

namespace host {

bool OpenDrawing(Host& host, const std::string& path, std::string* error) {
    std::string warnings;
    auto document = LoadSvgDocument(path, error, &warnings);
    if (!warnings.empty()) host.log().warnings.push_back(warnings);
    if (!document) return false;
    host.ReplaceDocumentAsStep(std::move(document), kOpenStepName);
    return true;
}

namespace {

// Every piece of a dimension carries it.
constexpr const char* kDimensionPieceTag = "orl";

bool HoldsDimensions(const Document& document) {
    bool found = false;
    document.ForEachArt([&](Art& art) { found = found || art.FindTag(kDimensionPieceTag); });
    return found;
}

}  // namespace

bool SaveDrawing(Host& host, const std::string& path, std::string* error) {
    Document& document = host.document();
    document.SetPluginSettings(HoldsDimensions(document)
                                   ? PrefixEntriesJson(host.preferences(), kPluginPreferencePrefix)
                                   : std::string());
    return SaveSvgDocument(document, path, error);
}

bool UseDrawingSettings(Host& host, std::string* error) {
    const std::string& settings = host.document().pluginSettings();
    if (settings.empty()) return false;
    host.preferences() = PreferenceStore();
    return PutPreferenceJson(settings, &host.preferences(), error);
}

bool SelectNamedTool(Host& host, const std::string& name, std::string* error) {
    return host.SelectToolByTitle(ToolTitleOfScriptName(name), error);
}

bool PressEditKey(Host& host, const std::string& name, bool shift) {
    if (name == "delete") return host.DeleteSelection();
    const float step = shift ? kShiftNudgeStep : kNudgeStep;
    if (name == "left") return host.NudgeSelection(-step, 0);
    if (name == "right") return host.NudgeSelection(step, 0);
    // y grows upwards in the document.
    if (name == "up") return host.NudgeSelection(0, step);
    if (name == "down") return host.NudgeSelection(0, -step);
    return false;
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
