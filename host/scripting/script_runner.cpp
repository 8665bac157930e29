#include "host/scripting/script_runner.h"

#include <cstdio>
#include <filesystem>

#include "host/core/event_state.h"
#include "host/core/plugins.h"
#include "host/core/registrations.h"
#include "host/fonts/font_catalog.h"
#include "host/prefs/preference_store.h"
#include "host/scripting/dump_writer.h"
#include "host/scripting/session_actions.h"
#include "host/svg/svg.h"

namespace host {

namespace {

RunOutcome Ok() {
    return {};
}

RunOutcome Error(int code, const ScriptCommand& c, const std::string& what) {
    return RunOutcome{code, "line " + std::to_string(c.line) + ": " + c.verb + ": " + what};
}

// The colour a `picker` line says the user will choose; none for `cancel`.
std::optional<AIColor> PickerAnswer(const ScriptCommand& c) {
    const std::string& kind = c.texts[0];
    if (kind == "cancel") return std::nullopt;
    const auto n = [&](std::size_t i) { return static_cast<AIReal>(c.numbers[i]); };
    AIColor colour{};
    if (kind == "gray") {
        colour.kind = kGrayColor;
        colour.c.g.gray = n(0);
    } else if (kind == "rgb") {
        colour.kind = kThreeColor;
        colour.c.rgb = {n(0), n(1), n(2)};
    } else {
        colour.kind = kFourColor;
        colour.c.f = {n(0), n(1), n(2), n(3)};
    }
    return colour;
}

}  // namespace

ScriptRunner::ScriptRunner(Host& host, RunOptions options)
    : host_(host), options_(std::move(options)) {
    SetCurrentHost(&host_);
    Faults().Clear();
}

ScriptRunner::~ScriptRunner() {
    Faults().Clear();
    SetCurrentHost(nullptr);
}

std::string ScriptRunner::Resolve(const std::string& file) const {
    // A path from a root stands alone: "/tmp/a.svg", and on Windows "C:\\tmp\\a.svg" too.
    if (file.empty() || std::filesystem::path(file).has_root_directory() ||
        options_.baseDir.empty())
        return file;
    return options_.baseDir + "/" + file;
}

RunOutcome ScriptRunner::Run(const std::string& scriptText) {
    std::vector<ScriptCommand> commands;
    std::string error;
    if (!ParseScript(scriptText, &commands, &error)) return RunOutcome{2, error};
    for (const auto& command : commands) {
        RunOutcome outcome = Execute(command);
        if (outcome.exitCode != 0) return outcome;
    }
    // A failure that nothing reached tested nothing: say so.
    for (const std::string& function : Faults().Unreached())
        host_.log().warnings.push_back("fail " + function + ": no call of " + function +
                                       " was made");
    return Ok();
}

RunOutcome ScriptRunner::Execute(const ScriptCommand& c) {
    const std::string& v = c.verb;
    if (v == "path" || v == "bezier" || v == "circle" || v == "rect" || v == "group")
        return RunShape(c);
    if (v == "end") {
        groups_.pop_back();
        return Ok();
    }
    if (v == "layer") return RunLayer(c);
    if (v.rfind("doc ", 0) == 0 || v == "zoom" || v == "dump" || v == "coords")
        return RunDocument(c);
    if (v == "startup" || v == "shutdown" || v == "unload" || v == "reload" || v == "tool" ||
        v == "restart")
        return RunPlugin(c);
    if (v == "move" || v == "down" || v == "drag" || v == "up" || v == "click") return RunMouse(c);
    if (v == "key") {
        PressEditKey(host_, c.texts[0], c.keys.count(kVirtualKeyShift) != 0);
        return Ok();
    }
    if (v == "undo" || v == "redo") {
        if (!(v == "undo" ? host_.Undo() : host_.Redo()))
            host_.log().warnings.push_back("line " + std::to_string(c.line) + ": " + v +
                                           ": there is nothing to " + v);
        return Ok();
    }
    return RunSettings(c);
}

RunOutcome ScriptRunner::RunShape(const ScriptCommand& c) {
    Document& doc = host_.document();
    Art* parent = groups_.empty() ? nullptr : groups_.back();
    int order = parent ? kPlaceInsideOnTop : kPlaceAboveAll;
    bool isGroup = c.verb == "group";
    if (isGroup && Document::DepthInside(parent) > kDeepestGroups)
        return Error(2, c, "groups nest at most " + std::to_string(kDeepestGroups) + " deep");
    Art* art = doc.NewArt(isGroup ? ArtKind::Group : ArtKind::Path, order, parent);
    if (!art) return Error(1, c, "the document refused the new art");
    art->name = isGroup ? c.texts[0] : c.shape.name;
    doc.Touch(*art);
    if (c.shape.locked) art->attributes |= kArtLocked;
    if (c.shape.hidden) art->attributes |= kArtHidden;
    if (isGroup) {
        groups_.push_back(art);
        return Ok();
    }
    art->setStyle(host_.currentPathStyle());
    art->closed = c.shape.closed;
    doc.SetSegments(art, c.segments);
    return Ok();
}

RunOutcome ScriptRunner::RunLayer(const ScriptCommand& c) {
    Document& doc = host_.document();
    Layer* layer = doc.FindLayerByTitle(c.texts[0]);
    if (!layer) layer = doc.AddLayerOnTop(c.texts[0]);
    layer->locked = c.shape.locked;
    layer->visible = !c.shape.hidden;
    doc.SetCurrentLayer(layer);
    return Ok();
}

RunOutcome ScriptRunner::RunDocument(const ScriptCommand& c) {
    std::string error;
    if (c.verb == "doc new") {
        auto doc = c.numbers.empty()
                       ? std::make_unique<host::Document>()
                       : std::make_unique<host::Document>(static_cast<float>(c.numbers[0]),
                                                          static_cast<float>(c.numbers[1]));
        host_.ReplaceDocument(std::move(doc));
    } else if (c.verb == "doc open") {
        if (!OpenDrawing(host_, Resolve(c.texts[0]), &error)) return Error(2, c, error);
    } else if (c.verb == "doc save") {
        if (!SaveDrawing(host_, Resolve(c.texts[0]), &error)) return Error(2, c, error);
    } else if (c.verb == "coords") {
        fileCoordinates_ = c.texts[0] == "file";
    } else if (c.verb == "zoom") {
        host_.ZoomAboutCentre(static_cast<float>(c.numbers[0]));
    } else if (c.verb == "dump") {
        if (!WriteDump(host_, Resolve(c.texts[0]), &error)) return Error(1, c, error);
    }
    return Ok();
}

RunOutcome ScriptRunner::RunPlugin(const ScriptCommand& c) {
    std::string error;
    if (c.verb == "startup") {
        return StartUp(c);
    } else if (c.verb == "restart") {
        // Shut down and start again, the same tool selected: settings written since the
        // last start-up take effect.
        const ToolRecord* tool = host_.registrations().FindTool(host_.registrations().selectedTool);
        const std::string title = tool && tool->plugin != 0 ? tool->title : "";
        host_.ShutdownPlugins();
        if (RunOutcome started = StartUp(c); started.exitCode != 0) return started;
        if (!title.empty() && !host_.SelectToolByTitle(title, &error)) return Error(1, c, error);
    } else if (c.verb == "shutdown") {
        host_.ShutdownPlugins();
    } else if (c.verb == "unload") {
        if (!host_.UnloadPlugins(&error)) return Error(1, c, error);
    } else if (c.verb == "reload") {
        if (!host_.ReloadPlugins(&error)) return Error(1, c, error);
    } else if (c.verb == "tool") {
        if (!SelectNamedTool(host_, c.texts[0], &error)) return Error(1, c, error);
    }
    return Ok();
}

RunOutcome ScriptRunner::StartUp(const ScriptCommand& c) {
    std::string error;
    if (options_.pluginPath.empty()) return Error(1, c, "no plug-in library to load");
    if (!host_.StartPlugin(options_.pluginPath, &error)) return Error(1, c, error);
    // A key the plug-in neither read nor wrote at start-up is none of its settings.
    for (const PendingPref& pref : pendingPrefs_)
        if (!host_.preferences().WasUsed(kPluginPreferencePrefix, pref.key))
            host_.log().warnings.push_back("line " + std::to_string(pref.line) + ": pref " +
                                           pref.key + ": the plug-in has no such setting");
    pendingPrefs_.clear();
    return Ok();
}

bool ScriptRunner::PluginRunning() {
    for (const auto& plugin : host_.plugins().plugins())
        if (plugin->started) return true;
    return false;
}

void ScriptRunner::Warn(const ScriptCommand& c, const std::string& what) {
    host_.log().warnings.push_back("line " + std::to_string(c.line) + ": " + c.verb + " " +
                                   (c.texts.empty() ? std::string() : c.texts[0]) + ": " + what);
}

RunOutcome ScriptRunner::RunMouse(const ScriptCommand& c) {
    AIRealPoint p{static_cast<float>(c.numbers[0]), static_cast<float>(c.numbers[1])};
    if (fileCoordinates_) p = host_.document().fileSpace().ToPoints(c.numbers[0], c.numbers[1]);
    SendPointer(host_, c.verb, p, c.keys);
    return Ok();
}

RunOutcome ScriptRunner::RunSettings(const ScriptCommand& c) {
    const std::string& v = c.verb;
    if (v == "pref") {
        host_.preferences().Put(kPluginPreferencePrefix, c.texts[0], c.value);
        // The plug-in reads its settings at start-up only.
        if (PluginRunning())
            Warn(c, "takes effect at the next start-up (restart)");
        else
            pendingPrefs_.push_back({c.texts[0], c.line});
    } else if (v == "hostpref") {
        host_.preferences().Put("", c.texts[0], c.value);
    } else if (v == "prefs") {
        std::string error;
        if (!host_.preferences().BindFile(Resolve(c.texts[0]), &error))
            host_.log().warnings.push_back("line " + std::to_string(c.line) + ": " + error);
    } else if (v == "fail") {
        const std::string& function = c.texts[0];
        const auto dot = function.rfind('.');
        if (dot == std::string::npos || dot + 1 == function.size())
            return Error(2, c, function + ": expects SUITE.FUNCTION");
        if (!FaultInjector::KnownSuite(function.substr(0, dot)))
            return Error(2, c, "the host has no suite " + function.substr(0, dot));
        if (!FaultInjector::KnownFunction(function))
            return Error(2, c,
                         "the suite " + function.substr(0, dot) + " has no function " +
                             function.substr(dot + 1));
        Faults().Fail(function, c.code, c.count, c.after);
    } else if (v == "suite") {
        host_.suites().SwitchOff(c.texts[0]);
    } else if (v == "menu-group") {
        Registrations& r = host_.registrations();
        if (!r.FindMenuGroup(c.texts[0])) {
            // As another plug-in makes it: an item of the about group, and the group as
            // that item's submenu.
            MenuItemRecord item{NextObjectId(), 0, c.texts[0], kHostAboutGroup, c.texts[0]};
            r.menuItems().push_back(item);
            r.menuGroups().push_back(MenuGroupRecord{NextObjectId(), c.texts[0], item.id});
        }
    } else if (v == "font") {
        host_.fonts().SetNames(c.texts);
    } else if (v == "picker") {
        host_.log().pickerAnswers.push_back(PickerAnswer(c));
    }
    return Ok();
}

}  // namespace host
