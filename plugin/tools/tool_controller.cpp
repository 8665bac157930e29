#include "plugin/tools/tool_controller.h"

#include <initializer_list>

#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_debris.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/services/alert.h"
#include "plugin/services/error_boundary.h"
#include "plugin/services/host_art.h"
#include "plugin/services/keyboard.h"
#include "plugin/services/suites.h"
#include "plugin/settings/panel_state.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/lengths_measures.h"
#include "plugin/tools/tool_cursor.h"
#include "plugin/tools/tool_state.h"
#include "plugin/tools/tool_table.h"
#include "sdk/quill_vocabulary.h"

namespace quill {

namespace {

// The event record of a message, with the keys its phase reads (see `ToolEvent`).
ToolEvent EventOf(const AIToolMessage* message, ToolPhase phase) {
    ToolEvent event;
    event.message = message;
    event.pointer = {message->cursor.h, message->cursor.v};
    event.phase = phase;
    DragKeys& keys = event.keys;
    if (phase == ToolPhase::Release) return event;
    keys.shift = KeyIsDown(kVirtualKeyShift);
    keys.alt = KeyIsDown(kVirtualKeyAlt);
    if (phase != ToolPhase::Drag) return event;
    keys.control = KeyIsDown(kVirtualKeyControl);
    keys.escape = KeyIsDown(kVirtualKeyEscape);
    keys.space = KeyIsDown(kVirtualKeySpace);
    keys.leftShift = KeyIsDown(kVirtualKeyLeftShift);
    keys.rightShift = KeyIsDown(kVirtualKeyRightShift);
    return event;
}

// Whether the dimension under construction is one this gesture made or finished.
bool MadeByThisGesture(const DimensionArtSet& set) {
    const GestureWatch& gesture = Tools().gesture;
    return set.group && (set.group != gesture.groupAtDown || gesture.firstPointAtDown);
}

// At mouse-up after a failed step, or with a piece the host would not finish: the
// dimension this gesture made, or built on from its first point, goes whole, so that
// nothing half-built stays in the drawing. A dimension finished before the gesture
// stays. The code to report, 0 when nothing went.
AIErr DisposeHalfBuiltDimension(AIErr failed) {
    DimensionArtSet& set = ArtSet();
    if (failed == kNoErr) failed = Tools().gesture.unfinished;
    if (failed == kNoErr || !MadeByThisGesture(set)) return kNoErr;
    // Straight to the host: asking whether the group is valid may be what fails.
    sAIArt->DisposeArt(set.group);
    set = DimensionArtSet{};
    ToolState& tools = Tools();
    tools.clickCount = 0;
    tools.dragActive = false;
    tools.built[tools.ActingTool()] = false;
    return failed;
}

// At mouse-up: a dimension this gesture made that shows nothing (no pieces, or every
// piece at one point) goes; one waiting for its second point stays.
AIErr DisposeEmptyDimension() {
    DimensionArtSet& set = ArtSet();
    if (!MadeByThisGesture(set) || set.onlyFirstPoint || !IsValidArt(set.group) ||
        !ShowsNothing(set.group))
        return kNoErr;
    const AIErr result = DisposeArt(set.group);
    set = DimensionArtSet{};
    ToolState& tools = Tools();
    tools.clickCount = 0;
    tools.built[tools.ActingTool()] = false;
    return result;
}

AIErr SelectToolIndex(std::int32_t index) {
    Tools().currentTool = index;
    return sAITool->SetSelectedTool(Tools().tools[index]);
}

// Shift-click goes to the next tool, in the order of the palette.
AIErr SwitchToNextTool() {
    ToolState& tools = Tools();
    const std::int32_t next = tools.currentTool % kToolCount + 1;
    for (std::int32_t tool : {kSegmentTool, kAngleTool, kCircleTool, kLengthsTool})
        tools.built[tool] = false;
    return SelectToolIndex(next);
}

// The smart-guide colour of the host, in 16-bit components; a missing value counts 0.
AIRGBColor SmartGuideColour() {
    const char* keys[3] = {"snapomatic/Color/red", "snapomatic/Color/green",
                           "snapomatic/Color/blue"};
    std::uint16_t components[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        double value = 0;
        if (sAIPreference->GetRealPreference(nullptr, keys[i], &value) != kNoErr) value = 0;
        components[i] = static_cast<std::uint16_t>(static_cast<std::int32_t>(value * 65535));
    }
    return {components[0], components[1], components[2]};
}

// The path length shown beside the pointer is measured once per tracking event, not at
// every pass.
void MeasureHoveredPath(const Tool& tool) {
    HoverState& hover = CurrentHover();
    if (tool.ShowsPathLength(hover.kind) && hover.path) hover.pathLength = PathLength(hover.path);
}

// The gesture of the last click is over: nothing measured yet.
void ClearClickFlags() {
    Tools().straightSegmentClick = false;
    for (std::int32_t index = 1; index <= kToolCount; ++index) ToolAt(index).PressBegins();
}

// No drag goes on after its mouse-up, nor into another tool: nothing of it is drawn or
// read any more.
void ClearDragState() {
    ToolState& tools = Tools();
    tools.dragActive = false;
    tools.dragAlt = false;
    tools.dragControl = false;
    tools.dragEscape = false;
}

// The select message of a tool the plug-in asked for to hand a click over: the gesture
// handed over goes on, so nothing of it is reset.
bool IsHandOverSelection(const AIToolMessage* message) {
    const ToolState& tools = Tools();
    return tools.handOverSelection != 0 && message->tool == tools.tools[tools.handOverSelection];
}

AIErr MouseDown(const ToolEvent& event) {
    ToolState& tools = Tools();
    tools.dragActive = false;
    tools.pressTool = 0;
    ClearClickFlags();
    tools.cursor = event.pointer;
    RefreshStrokeWidths();
    const bool shift = event.keys.shift, alt = event.keys.alt;
    const bool panelPage = AnyPanelPageOpen();
    if (shift && !alt && !panelPage) return SwitchToNextTool();
    if (alt && !shift && !panelPage) return SelectToolIndex(kParametersTool);

    AIHitRef hitRef = nullptr;
    const AIRealPoint at{tools.cursor.h, tools.cursor.v};
    AIErr result =
        sAIHitTest->HitTestEx(nullptr, &at, vocabulary::kClickTolerance, kAllHitRequest, &hitRef);
    if (result != kNoErr) return result;
    AIToolHitData hit{};
    result = sAIHitTest->GetHitData(hitRef, &hit);
    sAIHitTest->Release(hitRef);
    if (result != kNoErr) return result;
    Tool& tool = ToolAt(tools.currentTool);
    if (!hit.hit && tool.NothingClickedAlert()) {
        ShowAlert(tool.NothingClickedAlert());
        return result;
    }
    return tool.Click(ToolClick{hit, shift, alt, tools.cursor});
}

}  // namespace

AIErr SelectTool(AIToolMessage* message, AIAnnotatorHandle annotator) {
    ToolState& tools = Tools();
    if (IsHandOverSelection(message)) {
        tools.currentTool = tools.handOverSelection;
        tools.handOverSelection = 0;
        return sAIAnnotator->SetAnnotatorActive(annotator, true);
    }
    tools.handOverSelection = 0;
    tools.pressTool = 0;
    ClearDragState();
    tools.clickCount = 0;
    Panel().phase = PanelPhase::Closed;
    Settings().SetMarksForToolSelection();
    ClearClickFlags();
    BuildState() = DimensionBuildState{};
    for (std::int32_t index = 1; index <= kToolCount; ++index) ToolAt(index).ToolSelected();
    ArtSet().onlyFirstPoint = false;
    tools.smartGuideColour = SmartGuideColour();
    tools.selectionPoint = {message->cursor.h, message->cursor.v};
    BuildPaintStyles();
    for (std::int32_t index = 1; index <= kToolCount; ++index)
        if (tools.tools[index] == message->tool) tools.currentTool = index;
    ToolAt(tools.currentTool).BecameCurrent();
    return sAIAnnotator->SetAnnotatorActive(annotator, true);
}

AIErr DeselectTool(AIToolMessage*, AIAnnotatorHandle annotator) {
    // The tool left for a hand-over: its gesture goes on in the tool selected.
    if (Tools().handOverSelection != 0) return kNoErr;
    // A measurement left after its first point is abandoned with the tool, and so is a
    // dimension that shows nothing after a press whose mouse-up never came.
    AbandonFirstPointOnly();
    const AIErr emptied = CodeOf([] { return DisposeEmptyDimension(); });
    AIErr result = sAIAnnotator->SetAnnotatorActive(annotator, false);
    if (result == kNoErr) result = emptied;
    for (bool& built : Tools().built) built = false;
    return result;
}

void DocumentChangedUnderTools() {
    for (std::int32_t index = 1; index <= kToolCount; ++index) ToolAt(index).DocumentChanged();
}

AIErr EditTool(AIToolMessage*) {
    return SelectToolIndex(kParametersTool);
}

AIErr TrackToolCursor(AIToolMessage* message) {
    const ToolEvent event = EventOf(message, ToolPhase::Track);
    const bool shift = event.keys.shift, alt = event.keys.alt;
    ToolState& tools = Tools();
    tools.cursor = event.pointer;
    const bool panelPage = AnyPanelPageOpen();
    if (alt && !shift && !panelPage) {
        ShowCursor(message, cursors::kParametersTool);
        return kNoErr;
    }
    Tool& tool = ToolAt(tools.currentTool);
    if (shift && !alt && tool.ShiftShowsNextTool() && !panelPage) {
        ShowCursor(message, cursors::kNextTool);
        return kNoErr;
    }
    // Only a tool that asks has Esc read while the pointer moves: reading a key clears
    // what Windows remembers of it.
    if (tool.WatchesEscape() && KeyIsDown(kVirtualKeyEscape)) tool.EscapePressed();
    const AIErr result = tool.Classify(tools.cursor);
    MeasureHoveredPath(tool);
    const std::int32_t cursor = tool.Cursor(CurrentHover().kind, shift && alt);
    if (cursor != 0) ShowCursor(message, cursor);
    return result;
}

AIErr ToolMouseDown(AIToolMessage* message) {
    GestureWatch& gesture = Tools().gesture;
    gesture = GestureWatch{ArtSet().group, ArtSet().onlyFirstPoint, kNoErr};
    ArtSet().unfinished = kNoErr;
    const ToolEvent event = EventOf(message, ToolPhase::Press);
    gesture.lastError = CodeOf([&] { return MouseDown(event); });
    return gesture.lastError;
}

AIErr ToolMouseDrag(AIToolMessage* message) {
    ToolState& tools = Tools();
    if (!tools.dragActive) return kNoErr;
    const ToolEvent event = EventOf(message, ToolPhase::Drag);
    tools.dragAlt = event.keys.alt;
    tools.dragControl = event.keys.control;
    tools.dragEscape = event.keys.escape;
    tools.cursor = event.pointer;
    Tool& tool = ToolAt(tools.ActingTool());
    GestureWatch& gesture = tools.gesture;
    gesture.lastError = CodeOf([&] { return tool.Drag(event); });
    return gesture.lastError;
}

AIErr ToolMouseUp(AIToolMessage* message) {
    const ToolEvent event = EventOf(message, ToolPhase::Release);
    ToolState& tools = Tools();
    if (tools.clickCount > 1) tools.clickCount = 0;
    Tool& tool = ToolAt(tools.ActingTool());
    const AIErr result = CodeOf([&] { return tool.MouseUp(event); });
    GestureWatch& gesture = tools.gesture;
    // The group given up is told, unless the step that failed told it already.
    const AIErr givenUp = DisposeHalfBuiltDimension(result != kNoErr ? result : gesture.lastError);
    const bool toldAlready = result == kNoErr && givenUp == gesture.lastError;
    const AIErr emptied = CodeOf([] { return DisposeEmptyDimension(); });
    gesture = GestureWatch{};
    ClearDragState();
    tools.pressTool = 0;
    tools.handOverSelection = 0;
    if (result != kNoErr) return result;
    if (givenUp != kNoErr) return toldAlready ? kNoErr : givenUp;
    return emptied;
}

}  // namespace quill
