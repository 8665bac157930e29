// What the Parameters panel keeps between clicks that the settings storage and the
// preference groups read and change: which page is open, the font page shown, the step
// multipliers, the group recall mark and each page's last group button.
#pragma once

#include <cstdint>

#include "plugin/geometry/types.h"

namespace quill {

/// The parameter pages, in the order the page write looks for the open one.
enum class PanelPage : int {
    LayerName,        // "Nom du calque."
    Unit,             // "Unité."
    DoubleMeasure,    // "Double mesure."
    NumberFormat,     // "Format de nombre."
    Scale,            // "Échelle."
    SegmentTool,      // "Outil Segment."
    AngleTool,        // "Outil Angle."
    CircleTool,       // "Outil Cercle."
    BezierTool,       // "Outil Bézier."
    LengthsAndAreas,  // "Outil Longueurs & Aires."
    Colours,          // "Couleurs."
    TextSize,         // "Corps."
    Font,             // "Police."
    LineFormat,       // "Format de ligne."
    Arrowheads,       // "Pointes."
    Tolerances,       // "Tolérances."
};
constexpr int kPanelPageCount = 16;

/// The sets of four group buttons; the arrowheads page has two (shape and size).
enum class GroupButtons : int {
    Unit,        // "Unité."
    Precision,   // "Format de nombre."
    Scale,       // "Échelle."
    ArrowShape,  // "Pointes.", shape
    ArrowSize,   // "Pointes.", size
    LineWidth,   // "Format de ligne."
    TextSize,    // "Corps."
};
constexpr int kGroupButtonSetCount = 7;

/// The page whose group buttons these are.
PanelPage PageOfGroupButtons(GroupButtons buttons);

/// Where the panel stands between clicks.
enum class PanelPhase : std::int16_t {
    Closed = 0,
    Chooser = 1,           // the chooser is shown
    Page = 2,              // a page is shown
    ClosingAtMouseUp = 3,  // the click just made closes the panel at mouse-up
};

struct PanelState {
    PanelPhase phase = PanelPhase::Closed;
    bool pageOpen[kPanelPageCount] = {};
    /// Set by a page's click handler when the click changed a setting.
    bool pageChanged[kPanelPageCount] = {};
    /// Set when a preference group was recalled from the chooser; "NumSetPrefs" is
    /// written at mouse-up.
    bool groupRecalled = false;
    /// The document point of the click that opened the panel: rows are counted downwards
    /// and columns rightwards from it, in screen pixels.
    Point origin;
    /// Page of the font list shown, from 1 ("NumeroPagePolices").
    std::int32_t fontPage = 1;
    /// The host's number of fonts when the panel opened, and the pages of 16 they fill.
    std::int32_t fontCount = 0;
    std::int32_t fontPageCount = 0;
    /// The layer name keyboard types capitals.
    bool capitals = false;
    /// Step multipliers: the size page's ×10, the scale page's ×10 and ×100.
    bool sizeStepTimesTen = false;
    bool scaleStepTimesTen = false;
    bool scaleStepTimesHundred = false;
    /// The group button (1 to 4) used last on each set of group buttons.
    std::int32_t lastGroupButton[kGroupButtonSetCount] = {1, 1, 1, 1, 1, 1, 1};

    bool IsOpen(PanelPage page) const { return pageOpen[static_cast<int>(page)]; }
    void MarkChanged(PanelPage page) { pageChanged[static_cast<int>(page)] = true; }
    bool Changed(PanelPage page) const { return pageChanged[static_cast<int>(page)]; }
    void SwitchOffStepMultipliers();
    void ClearPageFlags();
};

/// The panel state of the plug-in object, bound to the message being handled
/// (frame/quill_state.h).
PanelState& Panel();

/// The panel's step at mouse-up, after the page write: the click that recalled a group
/// (`groupRecalled`) shows the chooser again; a click that closed the panel (`ClosingAtMouseUp`)
/// hides it and clears every page-open flag.
void ClosePanelAtMouseUp(PanelState& panel, bool groupRecalled);

}  // namespace quill
