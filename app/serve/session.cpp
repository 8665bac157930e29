#include "app/serve/session.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/serve/french_details.h"
#include "host/core/event_state.h"
#include "host/core/plugins.h"
#include "host/core/registrations.h"
#include "host/core/undo_history.h"
#include "host/io/safe_write.h"
#include "host/prefs/preference_store.h"
#include "host/scripting/script_parser.h"
#include "host/scripting/session_actions.h"
#include "host/svg/annotation_picture.h"
#include "host/svg/render.h"
#include "host/svg/svg.h"
#include "host/svg/svg_names.h"

namespace quill::serve {

namespace {

using nlohmann::json;

// The suites reach their host through one process-wide current host: sessions take
// turns, each the current host while it handles an event.
std::mutex& HostTurnLock() {
    static std::mutex lock;
    return lock;
}

class HostTurn {
 public:
    explicit HostTurn(host::Host* host) : guard_(HostTurnLock()) { host::SetCurrentHost(host); }
    ~HostTurn() { host::SetCurrentHost(nullptr); }

 private:
    std::lock_guard<std::mutex> guard_;
};

// The tool tip of the host's selection tool, as its palette shows it.
constexpr const char* kSelectToolTip = "Sélection";

constexpr float kSmallestZoom = 0.05f, kLargestZoom = 64;
// The view is at most this many pixels a side, whatever the page and the zoom.
constexpr float kLargestViewSide = 60000;

[[noreturn]] void Malformed(const std::string& what) {
    throw std::invalid_argument(what);
}

double Number(const json& event, const char* name) {
    auto it = event.find(name);
    if (it == event.end() || !it->is_number())
        Malformed(std::string("« ") + name + " » doit être un nombre.");
    const double value = it->get<double>();
    if (!std::isfinite(value) || std::fabs(value) > 1e7)
        Malformed(std::string("« ") + name + " » est hors des limites.");
    return value;
}

std::set<std::int32_t> Keys(const json& event) {
    std::set<std::int32_t> keys;
    auto it = event.find("keys");
    if (it == event.end()) return keys;
    if (!it->is_array()) Malformed("« keys » doit être une liste de noms de touches.");
    for (const json& name : *it) {
        const std::int32_t key =
            name.is_string() ? host::VirtualKeyOfScriptName(name.get<std::string>()) : 0;
        // A string is printed as it was sent, anything else by its kind alone.
        if (key == 0)
            Malformed(
                "Touche inconnue " +
                (name.is_string() ? name.dump() : std::string("de type ") + name.type_name()) +
                " (shift lshift rshift alt ctrl space esc).");
        keys.insert(key);
    }
    return keys;
}

bool ReadFile(const std::string& path, std::string* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream text;
    text << in.rdbuf();
    *bytes = text.str();
    return true;
}

// Replaces every occurrence of `from` in `text` (a private file's path by the name the
// user knows it by).
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

Session::Session(const SessionOptions& options, std::string* error)
    : host_(std::make_unique<host::Host>()), workDir_(options.workDir) {
    HostTurn turn(host_.get());
    std::error_code folderError;
    std::filesystem::create_directories(workDir_, folderError);
    // A copy of the library of its own, so that the loader gives this session its own
    // plug-in rather than the one another tab already runs.
    const std::string library = WorkFile("Quill.so");
    std::error_code copyError;
    std::filesystem::copy_file(options.pluginPath, library,
                               std::filesystem::copy_options::overwrite_existing, copyError);
    if (copyError) {
        *error = options.pluginPath + " ne peut pas être copié (" +
                 FrenchDetail(copyError.message()) + ")";
        return;
    }
    std::string openError, prefsError;
    if (!options.drawingPath.empty()) {
        const bool opened = host::OpenDrawing(*host_, options.drawingPath, &openError);
        for (std::string& warning : host_->log().warnings)
            warning = "À l'ouverture du dessin : " + FrenchDetail(warning);
        if (!opened)
            host_->log().warnings.push_back("Le dessin ne peut pas être ouvert : " +
                                            FrenchDetail(openError));
    }
    // The settings: those of --prefs, else those the drawing was saved with (kept in no
    // file), else the user's own.
    const bool drawingSettings =
        !options.prefsChosen && host::UseDrawingSettings(*host_, &prefsError);
    if (!drawingSettings && !options.prefsPath.empty())
        host_->preferences().BindFile(options.prefsPath, &prefsError);
    if (!prefsError.empty())
        host_->log().warnings.push_back("Les réglages ne peuvent pas être lus tels quels : " +
                                        FrenchDetail(prefsError));
    // The drawing the session starts on is no step to undo.
    host_->history().Clear();
    if (!host_->StartPlugin(library, error)) {
        *error = FrenchDetail(*error);
        return;
    }
    FitView(1);
}

Session::~Session() {
    {
        HostTurn turn(host_.get());
        host_->ShutdownPlugins();
        host_.reset();
    }
    std::error_code ignored;
    std::filesystem::remove_all(workDir_, ignored);
}

std::string Session::WorkFile(const std::string& name) const {
    return workDir_ + "/" + name;
}

void Session::FitView(float zoom) {
    host::Document& document = host_->document();
    host::View& view = host_->view();
    const float width = document.width() + 2 * kViewMargin,
                height = document.height() + 2 * kViewMargin;
    zoom = std::min({std::max(zoom, kSmallestZoom), kLargestZoom, kLargestViewSide / width,
                     kLargestViewSide / height});
    // The page's centre stays at the view's centre; the window then grows or shrinks to
    // show the page and its margin whole.
    host_->ZoomAboutCentre(zoom);
    view.widthPx = static_cast<int>(std::ceil(width * zoom));
    view.heightPx = static_cast<int>(std::ceil(height * zoom));
    view.origin = AIRealPoint{-kViewMargin, document.height() + kViewMargin};
}

json Session::Changes(bool everything) {
    host::Document& document = host_->document();
    json out = art_.Collect(document, host_->documentId(), everything);
    if (!everything && (out.contains("art") || out.contains("disposed") || out.contains("layers") ||
                        out.contains("order")))
        unsaved_ = true;
    out["unsaved"] = unsaved_;
    const host::View& view = host_->view();
    json viewJson = {{"zoom", view.zoom},
                     {"originH", view.origin.h},
                     {"originV", view.origin.v},
                     {"widthPx", view.widthPx},
                     {"heightPx", view.heightPx},
                     {"pageWidth", document.width()},
                     {"pageHeight", document.height()}};
    if (std::string text = viewJson.dump(); everything || text != viewSent_) {
        viewSent_ = std::move(text);
        out["view"] = std::move(viewJson);
    }
    host::SessionLog& log = host_->log();
    const host::ViewFrame frame{view.origin.h, view.origin.v, view.zoom, view.widthPx,
                                view.heightPx};
    overlay_.Collect(*host_, art_.touched(), frame, everything, &out);
    out["cursor"] = log.cursor ? json(*log.cursor) : json(nullptr);
    const host::ToolRecord* tool =
        host_->registrations().FindTool(host_->registrations().selectedTool);
    const std::string toolName = tool ? host::ScriptNameOfToolTitle(tool->title) : std::string();
    out["tool"] = toolName.empty() ? json(nullptr) : json(toolName);
    // The Edit menu's two entries, as the buttons name them.
    const std::string undo = host_->UndoText(), redo = host_->RedoText();
    out["undo"] = undo.empty() ? json(nullptr) : json(undo);
    out["redo"] = redo.empty() ? json(nullptr) : json(redo);
    json alerts = json::array();
    for (; alertsSent_ < log.alerts.size(); ++alertsSent_)
        alerts.push_back(log.alerts[alertsSent_]);
    if (!alerts.empty()) out["alerts"] = std::move(alerts);
    json warnings = json::array();
    for (; warningsSent_ < log.warnings.size(); ++warningsSent_)
        warnings.push_back(log.warnings[warningsSent_]);
    // A change of settings the preference file could not keep is lost when the server
    // stops: told once, until the file is written again.
    if (const std::string& lost = host_->preferences().writeError(); lost != prefsErrorSent_) {
        if (!lost.empty())
            warnings.push_back("Les réglages ne sont pas enregistrés : " + FrenchDetail(lost));
        prefsErrorSent_ = lost;
    }
    if (!warnings.empty()) out["warnings"] = std::move(warnings);
    return out;
}

json Session::State() {
    HostTurn turn(host_.get());
    json out = Changes(true);
    json tools = json::array();
    host::Registrations& registrations = host_->registrations();
    // The host's own selection tool comes first, with the page's own icon.
    tools.push_back({{"name", "select"},
                     {"title", kSelectToolTip},
                     {"tooltip", kSelectToolTip},
                     {"group", 0},
                     {"icon", nullptr}});
    for (const host::ToolRecord& tool : registrations.tools()) {
        if (tool.plugin == 0) continue;
        const host::IconRecord* icon = registrations.FindIcon(tool.icon);
        tools.push_back({{"name", host::ScriptNameOfToolTitle(tool.title)},
                         {"title", tool.title},
                         {"tooltip", tool.tooltip},
                         {"group", tool.group},
                         {"icon", icon ? json(icon->resourceId) : json(nullptr)}});
    }
    out["tools"] = std::move(tools);
    out["namespaces"] = std::string("xmlns=\"") + host::svg::kSvgNamespace +
                        "\" xmlns:" + host::svg::kQuillPrefix + "=\"" + host::svg::kQuillNamespace +
                        "\" xmlns:" + host::svg::kInkscapePrefix + "=\"" +
                        host::svg::kInkscapeNamespace + "\" xmlns:" + host::svg::kSodipodiPrefix +
                        "=\"" + host::svg::kSodipodiNamespace + "\"";
    return out;
}

json Session::Handle(const json& event) {
    if (!event.is_object() || !event.contains("type") || !event["type"].is_string())
        Malformed("Un évènement est un objet qui a un « type ».");
    const std::string type = event["type"].get<std::string>();
    HostTurn turn(host_.get());
    std::string error;
    if (type == "move" || type == "down" || type == "drag" || type == "up") {
        const AIRealPoint point{static_cast<AIReal>(Number(event, "x")),
                                static_cast<AIReal>(Number(event, "y"))};
        const std::set<std::int32_t> keys = Keys(event);
        pointer_ = point;
        pressed_ = type == "down" || type == "drag";
        host::SendPointer(*host_, type, point, keys);
    } else if (type == "key") {
        // The tools read the keys at the pointer's events: a key pressed or released is
        // the pointer's event again, where it is, with the keys now held.
        host::SendPointer(*host_, pressed_ ? "drag" : "move", pointer_, Keys(event));
    } else if (type == "undo" || type == "redo") {
        // Not in the middle of a gesture: the tool holds it.
        if (!pressed_ && type == "undo") host_->Undo();
        if (!pressed_ && type == "redo") host_->Redo();
    } else if (type == "edit") {
        if (!event.contains("name") || !event["name"].is_string() ||
            !host::IsEditKeyName(event["name"].get<std::string>()))
            Malformed("« name » vaut left, right, up, down ou delete.");
        const auto shift = event.find("shift");
        const bool held = shift != event.end() && shift->is_boolean() && shift->get<bool>();
        if (!pressed_) host::PressEditKey(*host_, event["name"].get<std::string>(), held);
    } else if (type == "tool") {
        if (!event.contains("name") || !event["name"].is_string())
            Malformed("« name » doit être un nom d'outil.");
        if (!host::SelectNamedTool(*host_, event["name"].get<std::string>(), &error))
            Malformed("Outil inconnu (" + FrenchDetail(error) + ").");
    } else if (type == "zoom") {
        FitView(static_cast<float>(Number(event, "zoom")));
    } else {
        Malformed("Type d'évènement inconnu : « " + type + " ».");
    }
    return Changes(false);
}

json Session::Open(const std::string& name, const std::string& bytes) {
    HostTurn turn(host_.get());
    const std::string path = WorkFile("upload.svg");
    std::string error;
    if (!host::WriteFileSafely(path, bytes, &error)) {
        json out = Changes(false);
        out["error"] = name + " : le serveur ne peut pas le garder (" +
                       FrenchDetail(Replaced(error, path, name)) + ")";
        return out;
    }
    const std::size_t warningsBefore = host_->log().warnings.size();
    const bool opened = host::OpenDrawing(*host_, path, &error);
    for (std::size_t i = warningsBefore; i < host_->log().warnings.size(); ++i)
        host_->log().warnings[i] = "À l'ouverture de " + name + " : " +
                                   FrenchDetail(Replaced(host_->log().warnings[i], path, name));
    if (!opened) {
        json out = Changes(false);
        out["error"] = name + " ne peut pas être ouvert ; le dessin ouvert reste (" +
                       FrenchDetail(Replaced(error, path, name)) + ")";
        return out;
    }
    unsaved_ = false;
    FitView(host_->view().zoom);
    // The open document's tools see the new document at once, as after any event.
    host::SendPointer(*host_, "move", pointer_, {});
    return Changes(true);
}

bool Session::Save(std::string* svg, std::string* error) {
    if (!WriteSvg(svg, error)) return false;
    unsaved_ = false;
    return true;
}

bool Session::WriteSvg(std::string* svg, std::string* error) {
    HostTurn turn(host_.get());
    const std::string path = WorkFile("drawing.svg");
    if (!host::SaveDrawing(*host_, path, error)) {
        *error = FrenchDetail(*error);
        return false;
    }
    if (ReadFile(path, svg)) return true;
    *error = "le dessin enregistré ne peut pas être relu";
    return false;
}

// A picture is no save: the dimensions and their links are not in it.
bool Session::ExportPng(int dpi, std::string* png, std::string* error) {
    std::string svg;
    if (!WriteSvg(&svg, error)) return false;
    const std::string path = WorkFile("drawing.png");
    host::RenderOptions options;
    options.framing = host::RenderOptions::Framing::Everything;
    options.dpi = dpi;
    if (!host::RenderSvgToPng(WorkFile("drawing.svg"), path, options, error)) {
        *error = FrenchDetail(*error);
        return false;
    }
    if (ReadFile(path, png)) return true;
    *error = "l'image ne peut pas être relue";
    return false;
}

const std::vector<std::uint8_t>* Session::Resource(std::uint32_t type, std::int32_t id) {
    HostTurn turn(host_.get());
    for (const auto& plugin : host_->plugins().plugins())
        if (const auto* bytes = plugin->library.resources().Find(type, id)) return bytes;
    return nullptr;
}

}  // namespace quill::serve
