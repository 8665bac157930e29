// A tool: what it does at every tool event and what it shows on hover, so that neither the
// controller nor the feedback holds a switch over the current tool, and a new tool is a
// file of its own for its clicks and drags, a hover file, and a row of the table. Each
// tool object keeps its own gesture and memory as members; the plug-in object owns the six.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plugin/dimensions/drag_keys.h"
#include "plugin/geometry/types.h"
#include "plugin/tools/feedback_layout.h"
#include "plugin/tools/hover_marks.h"
#include "plugin/tools/hover_state.h"
#include "sdk/sdk.h"

namespace quill {

/// Which tool event a message is.
enum class ToolPhase { Track, Press, Drag, Release };

/// One tool event as the host delivered it, read once by the controller: where the
/// pointer is (document points, y upwards), the keys held and which event it is. A
/// tracking event and a press carry Shift and Alt only, a drag every key the builders
/// read, a release none: on Windows reading a key also clears its "pressed since" state.
struct ToolEvent {
    const AIToolMessage* message = nullptr;  // the host's message, for the cursor shown
    Point pointer;
    DragKeys keys;
    ToolPhase phase = ToolPhase::Track;
};

/// A mouse-down of the current tool, after the host's hit test at the pointer.
struct ToolClick {
    const AIToolHitData& hit;
    bool shift = false;
    bool alt = false;
    Point pointer;  // document points
};

/// One tool's behaviour. Every operation does nothing and answers kNoErr unless the tool
/// says otherwise.
class Tool {
 public:
    virtual ~Tool() = default;

    /// Whether Shift held over the drawing shows the cursor of the next tool, which a
    /// Shift-click selects.
    virtual bool ShiftShowsNextTool() const { return true; }
    /// Classifies what lies under the pointer into `CurrentHover()`.
    virtual AIErr Classify(Point) { return kNoErr; }
    /// The cursor for what the last classification found; 0 leaves the cursor unchanged.
    virtual std::int32_t Cursor(HoverKind, bool /*shiftAndAlt*/) const { return 0; }
    /// Whether the lines beside the pointer show the hovered path's length for that kind:
    /// the controller then measures it once per tracking event, not at every pass.
    virtual bool ShowsPathLength(HoverKind kind) const { return kind == HoverKind::CurveHit; }
    /// The lines beside the pointer for the last classification (Windows-1252), top first.
    virtual std::vector<std::string> FeedbackLines(const HoverState&) const { return {}; }
    /// The marks on what the last classification found, in drawing order.
    virtual void FeedbackMarks(const HoverState&, HoverMarks&) const {}
    /// Where the pass puts the lines, the colour legend and the marks.
    virtual FeedbackLayout Layout() const { return {}; }
    /// While a drag is active, the rectangle the pass draws dashed under the lines.
    virtual std::optional<DraggedBand> Band() const { return std::nullopt; }
    /// With no marks in its layout, the tool's own view drawn in their place and the code
    /// of its drawing; nothing drawn, no code.
    virtual std::optional<AIErr> DrawOwnView(const AIAnnotatorMessage&) const {
        return std::nullopt;
    }
    /// Told to the user when a click hits nothing (Windows-1252); nullptr: the click goes
    /// to `Click`.
    virtual const char* NothingClickedAlert() const { return nullptr; }
    virtual AIErr Click(const ToolClick&) { return kNoErr; }
    /// While the drag is active.
    virtual AIErr Drag(const ToolEvent&) { return kNoErr; }
    virtual AIErr MouseUp(const ToolEvent&) { return kNoErr; }
    /// The name of the dimension groups the tool makes (Windows-1252); nullptr: none.
    virtual const char* GroupName() const { return nullptr; }
    /// Any tool was selected: the tool forgets what its last gesture left.
    virtual void ToolSelected() {}
    /// This tool was selected, after every tool forgot its last gesture.
    virtual void BecameCurrent() {}
    /// A mouse-down begins, whichever tool it goes to.
    virtual void PressBegins() {}
    /// Whether the tool wants to hear of Esc held while the pointer only moves.
    virtual bool WatchesEscape() const { return false; }
    /// Esc was held while the pointer moved.
    virtual void EscapePressed() {}
    /// The document may have changed under the tool (the host's undo or redo, a change
    /// of selection): what the tool keeps of the drawing is read again.
    virtual void DocumentChanged() {}
};

}  // namespace quill
