// What the host tracks while it handles one event (keys held, work to do once the
// event is handled) and what the session has shown (alerts, cursor, annotation), for a
// front end to show and for the dump.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/document/document.h"

namespace host {

/// One call of the annotator drawer, with the drawer's state at that moment. View
/// pixels, y downwards.
struct DrawOp {
    enum class Kind { Line, Rect, Ellipse, Bezier, Text };
    Kind kind = Kind::Line;
    std::vector<AIPoint> points;  // line: 2; bezier: 4; text: its anchor
    AIRect rect{0, 0, 0, 0};      // rect and ellipse
    bool fill = false;            // rect and ellipse
    std::string text;             // UTF-8
    AIRGBColor color{0, 0, 0};
    float width = 1;
    bool dashed = false;
    std::int32_t fontPreset = 0;
};

/// The drawer of one annotation pass; its handle is stale once the pass ends.
struct DrawerState {
    ObjectId id = 0;
    AIRGBColor color{0, 0, 0};
    float width = 1;
    bool dashed = false;
    std::int32_t fontPreset = 0;
};

struct EventState {
    /// Virtual keys held during the event being handled (kVirtualKey...).
    std::set<std::int32_t> keysDown;
    bool annotationRequested = false;
    bool selectionChanged = false;
    /// The selected tool before the plug-in changed it during this event, if it did.
    std::optional<ObjectId> toolBeforeChange;
    /// The drawer of the pass under way, if any.
    std::optional<DrawerState> drawer;
};

/// What the session has shown: the plug-in's alerts, cursor, last annotation pass and
/// undo text (the suites fill them) and the warnings of the files the front end read.
/// Front ends and the dump read it.
struct SessionLog {
    std::vector<std::string> alerts;  // UTF-8, in the order shown
    std::optional<std::int32_t> cursor;
    std::vector<DrawOp> annotation;  // the last pass
    std::string undoText;
    bool documentModified = false;
    std::vector<std::string> warnings;  // one line each
    /// What the user will choose in the host's colour picker, one answer per opening,
    /// in order; an empty answer, or none left, cancels it.
    std::deque<std::optional<AIColor>> pickerAnswers;
};

}  // namespace host
