// The stand-in host application: one open document and its view, the suites it
// offers, and everything the plug-in registers with it. Suite functions reach the
// host through CurrentHost(): the SDK's C tables carry no context.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/document/document.h"
#include "host/suites/registry.h"

namespace host {

class SegmentIndex;
class UndoHistory;
class SelectionTool;
struct UndoStep;
class PluginManager;
class Registrations;
class PreferenceStore;
class FontCatalog;
class TextEngineObjects;
struct EventState;
struct SessionLog;
struct CustomColorRecord;
struct LoadedPlugin;

/// The document view. View pixels have y downwards; the artwork point `origin` is at
/// the view's top-left corner: view = ((x - origin.h) * zoom, (origin.v - y) * zoom).
struct View {
    float zoom = 1;
    AIRealPoint origin{0, 841.89f};
    int widthPx = 1200;
    int heightPx = 900;
};

/// The mouse events a script or a user sends to the selected tool.
enum class MouseEvent { Move, Down, Drag, Up };

class Host {
 public:
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    Document& document() { return *document_; }
    /// Replaces the open document; the view is fitted to it, the index dropped and the
    /// undo steps forgotten. Gives back the document replaced.
    std::unique_ptr<Document> ReplaceDocument(std::unique_ptr<Document> document);
    View& view() { return view_; }
    /// The spatial index of the document's segments, kept right as the document changes
    /// (built in one go the first time it is asked for).
    SegmentIndex& segmentIndex();
    /// The spatial index if it was built, else nullptr (nothing is built).
    const SegmentIndex* builtSegmentIndex() const { return index_.get(); }
    SuiteRegistry& suites() { return suites_; }

    PluginManager& plugins() { return *plugins_; }
    Registrations& registrations() { return *registrations_; }
    PreferenceStore& preferences() { return *preferences_; }
    FontCatalog& fonts() { return *fonts_; }
    TextEngineObjects& textObjects() { return *textObjects_; }
    EventState& event() { return *event_; }
    SessionLog& log() { return *log_; }
    std::vector<CustomColorRecord>& customColors() { return *customColors_; }
    /// The style new paths get (Path Style suite's current style).
    PaintStyle& currentPathStyle() { return currentPathStyle_; }
    /// Identities of the open document and of its view, as their handles carry them.
    ObjectId documentId() const { return documentId_; }
    ObjectId viewId() const { return viewId_; }
    /// Blocks and dictionaries handed out and not yet freed.
    std::set<void*>& blocks() { return blocks_; }
    std::set<ObjectId>& dictionaries() { return dictionaries_; }

    // Message sequences (host_messages.cpp). Each ends the event it makes: the tool
    // changes, selection notifications and annotation passes it caused follow.

    /// Loads the plug-in, sends start-up, then the application-started notification.
    /// False with a one-line `error` when the library cannot be loaded.
    bool StartPlugin(const std::string& path, std::string* error);
    /// Sends shutdown to every started plug-in; unloads each that holds no access reference.
    void ShutdownPlugins();
    /// "SP Access" / "Unload" then unloads the code; the globals slot is kept.
    bool UnloadPlugins(std::string* error);
    /// Loads the code again and sends "SP Access" / "Reload".
    bool ReloadPlugins(std::string* error);
    /// Selects the plug-in tool of that title (deselecting the previous plug-in tool); the
    /// tool already selected is reselected.
    bool SelectToolByTitle(const std::string& title, std::string* error);
    /// A mouse event at an artwork point with the keys held (kVirtualKey...).
    void SendMouseEvent(MouseEvent kind, AIRealPoint point, const std::set<std::int32_t>& keys);
    /// Sets the zoom, keeping the artwork point at the view's centre in place.
    void ZoomAboutCentre(float zoom);
    /// Sends a notification of `type` to every active notifier of that type.
    void Notify(const std::string& type);
    // Undo and redo (host_undo.cpp).

    UndoHistory& history() { return *history_; }
    /// Starts recording an undoable step of that name; one under way goes on.
    void BeginStep(const std::string& name);
    /// Ends the step under way; kept when it changed the document.
    void EndStep();
    /// Replaces the document as one undoable step of that name (a drawing opened).
    void ReplaceDocumentAsStep(std::unique_ptr<Document> document, const std::string& name);
    /// Takes the last step back (does the last undone step again): the document, the
    /// selection and every art as they were, then the selection notification and an
    /// annotation pass. False when there is none.
    bool Undo();
    bool Redo();
    /// "Annuler NAME" / "Rétablir NAME" for the next undo and redo, or empty.
    std::string UndoText() const;
    std::string RedoText() const;
    /// The most steps kept (the host preference "undo/Levels", 200 when unset).
    std::size_t UndoLimit();

    // The host's own edits (host_edits.cpp), each one undoable step.

    /// The host's own selection tool, which mouse events reach while it is selected.
    SelectionTool& selectionTool() { return *selectionTool_; }
    /// Moves the selected objects by (dx, dy) points ("Déplacement"); false when nothing
    /// is selected.
    bool NudgeSelection(float dx, float dy);
    /// Removes the selected objects ("Suppression"); false when nothing is selected.
    bool DeleteSelection();

    /// Ends the current event: tool changes made by the plug-in are announced, selection
    /// changes notified, and a requested (or forced) annotation pass runs.
    void FinishEvent(bool forceAnnotationPass);

 private:
    void RunAnnotationPass();
    void AnnounceToolChange();
    ASErr SendToolMessage(ObjectId toolId, const char* selector, AIRealPoint cursor);
    void ApplyStep(UndoStep& step, bool undo);
    std::unique_ptr<Document> SwapDocument(std::unique_ptr<Document> document);
    std::string GestureStepName(ObjectId toolId);
    void SendToSelectionTool(MouseEvent kind, AIRealPoint point);

    std::unique_ptr<Document> document_;
    std::unique_ptr<SegmentIndex> index_;
    std::unique_ptr<UndoHistory> history_;
    std::unique_ptr<SelectionTool> selectionTool_;
    View view_;
    SuiteRegistry suites_;
    std::unique_ptr<PluginManager> plugins_;
    std::unique_ptr<Registrations> registrations_;
    std::unique_ptr<PreferenceStore> preferences_;
    std::unique_ptr<FontCatalog> fonts_;
    std::unique_ptr<TextEngineObjects> textObjects_;
    std::unique_ptr<EventState> event_;
    std::unique_ptr<SessionLog> log_;
    std::unique_ptr<std::vector<CustomColorRecord>> customColors_;
    PaintStyle currentPathStyle_;
    ObjectId documentId_;
    ObjectId viewId_;
    std::set<void*> blocks_;
    std::set<ObjectId> dictionaries_;
    AIRealPoint pointer_{0, 0};  // the last pointer position, artwork coordinates
};

/// The host the suite functions serve; set while a host runs.
Host& CurrentHost();
void SetCurrentHost(Host* host);
/// Whether a host is running (suite functions refuse to work without one).
bool HasCurrentHost();

}  // namespace host
