// The message sequences of the host: start-up, shutdown, unload and reload, tool
// selection, mouse events, notifications and annotation passes.
#include <cstring>

#include "host/core/event_state.h"
#include "host/core/host.h"
#include "host/core/plugins.h"
#include "host/core/registrations.h"
#include "host/suites/handles.h"

namespace host {

namespace {

// Rounds of tool announcements and notifications after one event; a plug-in that keeps
// asking for more cannot hold the host forever.
constexpr int kMaxFollowUpRounds = 8;

const char* MouseSelector(MouseEvent kind) {
    switch (kind) {
        case MouseEvent::Move:
            return kSelectorAITrackToolCursor;
        case MouseEvent::Down:
            return kSelectorAIToolMouseDown;
        case MouseEvent::Drag:
            return kSelectorAIToolMouseDrag;
        case MouseEvent::Up:
            return kSelectorAIToolMouseUp;
    }
    return kSelectorAITrackToolCursor;
}

}  // namespace

bool Host::StartPlugin(const std::string& path, std::string* error) {
    LoadedPlugin* plugin = nullptr;
    for (const auto& loaded : plugins_->plugins())
        if (loaded->library.path() == path) plugin = loaded.get();
    if (plugin && plugin->started) {
        *error = path + ": the plug-in is already started";
        return false;
    }
    // A plug-in started again after its shutdown keeps its identity and registrations.
    if (plugin && !plugin->library.Reopen(error)) return false;
    if (plugin) registrations_->Forget(plugin->id);
    if (!plugin) plugin = plugins_->Load(path, error);
    if (!plugin) return false;
    SPMessageData message{};
    plugins_->Send(*plugin, kSPInterfaceCaller, kSPInterfaceStartupSelector, &message);
    plugin->started = true;
    FinishEvent(false);
    Notify(kAIApplicationStartedNotifier);
    FinishEvent(false);
    return true;
}

void Host::ShutdownPlugins() {
    bool anyStarted = false;
    for (const auto& plugin : plugins_->plugins()) anyStarted = anyStarted || plugin->started;
    if (!anyStarted) return;
    Notify(kAIApplicationShutdownNotifier);
    for (const auto& plugin : plugins_->plugins()) {
        if (!plugin->started || !plugin->library.loaded()) continue;
        SPMessageData message{};
        plugins_->Send(*plugin, kSPInterfaceCaller, kSPInterfaceShutdownSelector, &message);
        plugin->started = false;
        // An access reference keeps the code loaded until it is released.
        if (plugin->accessRefs.empty())
            plugin->library.Close();
        else
            plugin->unloadWhenReleased = true;
    }
    event_->toolBeforeChange.reset();
    event_->selectionChanged = false;
    event_->annotationRequested = false;
}

bool Host::UnloadPlugins(std::string* error) {
    bool any = false;
    for (const auto& plugin : plugins_->plugins()) {
        if (!plugin->library.loaded()) continue;
        SPMessageData message{};
        plugins_->Send(*plugin, kSPAccessCaller, kSPAccessUnloadSelector, &message);
        plugin->library.Close();
        any = true;
    }
    if (!any) *error = "no plug-in is loaded";
    return any;
}

bool Host::ReloadPlugins(std::string* error) {
    bool any = false;
    for (const auto& plugin : plugins_->plugins()) {
        if (plugin->library.loaded() || !plugin->started) continue;
        if (!plugin->library.Reopen(error)) return false;
        SPMessageData message{};
        plugins_->Send(*plugin, kSPAccessCaller, kSPAccessReloadSelector, &message);
        any = true;
    }
    if (!any) *error = "no started plug-in is unloaded";
    FinishEvent(false);
    return any;
}

ASErr Host::SendToolMessage(ObjectId toolId, const char* selector, AIRealPoint cursor) {
    ToolRecord* tool = registrations_->FindTool(toolId);
    LoadedPlugin* plugin = tool ? plugins_->Find(tool->plugin) : nullptr;
    if (!plugin || !plugin->library.loaded()) return kNoErr;
    AIToolMessage message{};
    message.tool = ToHandle<AIToolHandle>(toolId);
    message.cursor = cursor;
    message.pressure = 1;
    return plugins_->Send(*plugin, kCallerAITool, selector, &message.d);
}

bool Host::SelectToolByTitle(const std::string& title, std::string* error) {
    ObjectId chosen = 0;
    for (const auto& tool : registrations_->tools())
        if ((tool.plugin != 0 || title == kHostSelectToolTitle) && tool.title == title)
            chosen = tool.id;
    if (chosen == 0) {
        *error = "no plug-in tool titled \"" + title + "\" (is the plug-in started?)";
        return false;
    }
    ObjectId previous = registrations_->selectedTool;
    // The tool already selected, chosen again, is told so: it is not selected anew.
    if (previous != chosen) SendToolMessage(previous, kSelectorAIDeselectTool, pointer_);
    registrations_->selectedTool = chosen;
    event_->toolBeforeChange.reset();
    SendToolMessage(chosen, previous == chosen ? kSelectorAIReselectTool : kSelectorAISelectTool,
                    pointer_);
    FinishEvent(false);
    return true;
}

void Host::SendMouseEvent(MouseEvent kind, AIRealPoint point, const std::set<std::int32_t>& keys) {
    event_->keysDown = keys;
    const bool moved = point.h != pointer_.h || point.v != pointer_.v;
    pointer_ = point;
    ToolRecord* tool = registrations_->FindTool(registrations_->selectedTool);
    bool tracks = tool && (tool->options & kToolWantsToTrackCursorOption) != 0;
    // A press, its drags and its release make one step, as does anything a move changes.
    BeginStep(GestureStepName(registrations_->selectedTool));
    // The pointer cannot reach a new place without passing over it: a press away from
    // where the pointer last was is preceded by the tracking of that place.
    if (tool && tool->plugin != 0 && tracks && moved && kind == MouseEvent::Down)
        SendToolMessage(tool->id, MouseSelector(MouseEvent::Move), point);
    if (tool && tool->plugin != 0 && (kind != MouseEvent::Move || tracks))
        SendToolMessage(tool->id, MouseSelector(kind), point);
    if (tool && tool->plugin == 0 && tool->title == kHostSelectToolTitle)
        SendToSelectionTool(kind, point);
    FinishEvent(true);
    if (kind == MouseEvent::Up || kind == MouseEvent::Move) EndStep();
    event_->keysDown.clear();
}

void Host::Notify(const std::string& type) {
    // Copied: a notification may register more notifiers.
    std::deque<NotifierRecord> notifiers = registrations_->notifiers();
    for (const auto& notifier : notifiers) {
        if (!notifier.active || notifier.type != type) continue;
        LoadedPlugin* plugin = plugins_->Find(notifier.plugin);
        if (!plugin || !plugin->library.loaded()) continue;
        AINotifierMessage message{};
        message.notifier = ToHandle<AINotifierHandle>(notifier.id);
        message.type = notifier.type.c_str();
        plugins_->Send(*plugin, kCallerAINotify, kSelectorAINotify, &message.d);
    }
}

void Host::AnnounceToolChange() {
    ObjectId before = *event_->toolBeforeChange;
    event_->toolBeforeChange.reset();
    ObjectId now = registrations_->selectedTool;
    if (before == now) return;
    SendToolMessage(before, kSelectorAIDeselectTool, pointer_);
    SendToolMessage(now, kSelectorAISelectTool, pointer_);
}

void Host::FinishEvent(bool forceAnnotationPass) {
    auto followUps = [&] {
        bool did = false;
        if (event_->toolBeforeChange) {
            AnnounceToolChange();
            did = true;
        }
        if (event_->selectionChanged) {
            event_->selectionChanged = false;
            Notify(kAIArtSelectionChangedNotifier);
            did = true;
        }
        return did;
    };
    for (int round = 0; round < kMaxFollowUpRounds && followUps(); ++round) {
    }
    if (forceAnnotationPass || event_->annotationRequested) {
        RunAnnotationPass();
        // What the pass itself changed is announced; a redraw it asks for waits for the
        // next event, as a real host coalesces redraws.
        followUps();
    }
}

void Host::RunAnnotationPass() {
    log_->annotation.clear();
    event_->annotationRequested = false;
    std::deque<AnnotatorRecord> annotators = registrations_->annotators();
    for (const auto& annotator : annotators) {
        if (!annotator.active) continue;
        LoadedPlugin* plugin = plugins_->Find(annotator.plugin);
        if (!plugin || !plugin->library.loaded()) continue;
        DrawerState drawer;
        drawer.id = NextObjectId();
        event_->drawer = drawer;
        AIAnnotatorMessage message{};
        message.annotator = ToHandle<AIAnnotatorHandle>(annotator.id);
        message.view = ToHandle<AIDocumentViewHandle>(viewId_);
        message.drawer = ToHandle<AIAnnotatorDrawer>(drawer.id);
        message.invalidationRect = AIRect{0, 0, view_.widthPx, view_.heightPx};
        plugins_->Send(*plugin, kCallerAIAnnotation, kSelectorAIDrawAnnotation, &message.d);
        event_->drawer.reset();
    }
}

}  // namespace host
