// One browser tab's session: its own host, with its own copy of the plug-in library
// loaded through PluginMain (so that tabs share no plug-in state), and what the tab
// was last told, so that each answer carries only what changed.
#pragma once

#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "app/serve/art_changes.h"
#include "app/serve/overlay_changes.h"
#include "host/core/host.h"

namespace quill::serve {

struct SessionOptions {
    std::string pluginPath;
    std::string prefsPath;     // the preference file every session keeps
    std::string drawingPath;   // the drawing a new session opens, or empty
    std::string workDir;       // where the session's private files go
    bool prefsChosen = false;  // named by --prefs: it wins over a drawing's own settings
};

/// The margin of artwork around the page that the view shows, in points.
inline constexpr float kViewMargin = 72;

class Session {
 public:
    /// Starts the plug-in; `error` is set (and the session unusable) when it cannot start.
    Session(const SessionOptions& options, std::string* error);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    /// Events of a session are handled one at a time, in order.
    std::mutex& lock() { return lock_; }

    /// Everything the page shows: tools, view, layers and art, annotation, cursor.
    nlohmann::json State();
    /// One event from the page ({"type": move|down|drag|up|key|tool|zoom|undo|redo|edit,
    /// ...}, an edit naming a key: {"type": "edit", "name": "left", "shift": true}); the
    /// answer holds what changed. A malformed event throws std::invalid_argument.
    nlohmann::json Handle(const nlohmann::json& event);
    /// Opens an uploaded drawing; the open one stays when it cannot be read.
    nlohmann::json Open(const std::string& name, const std::string& bytes);
    /// The drawing as an SVG file, which counts as saved; false with `error` set.
    bool Save(std::string* svg, std::string* error);
    /// The drawing as a PNG picture of `dpi` pixels to the inch; false with `error` set.
    bool ExportPng(int dpi, std::string* png, std::string* error);
    /// The plug-in's resource of that kind ('ICON', 'CURS') and id, or nullptr.
    const std::vector<std::uint8_t>* Resource(std::uint32_t type, std::int32_t id);

 private:
    nlohmann::json Changes(bool everything);
    bool WriteSvg(std::string* svg, std::string* error);
    void FitView(float zoom);
    std::string WorkFile(const std::string& name) const;

    std::mutex lock_;
    std::unique_ptr<host::Host> host_;
    ArtChanges art_;
    std::string workDir_;
    std::size_t alertsSent_ = 0, warningsSent_ = 0;
    OverlayChanges overlay_;
    std::string viewSent_, prefsErrorSent_;
    AIRealPoint pointer_{0, 0};
    bool pressed_ = false;
    // The drawing changed since it was opened or last saved; the page asks before it
    // lets it go.
    bool unsaved_ = false;
};

}  // namespace quill::serve
