#include "plugin/tools/tool_controller.h"

#include <cmath>

#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/segment_dimension.h"
#include "plugin/services/keyboard.h"
#include "plugin/services/suites.h"
#include "plugin/settings/panel_state.h"
#include "plugin/settings/preference_storage.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/units.h"
#include "plugin/tools/cursors.h"
#include "plugin/tools/hover_classification.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/segment_memory.h"
#include "plugin/tools/tool_alerts.h"
#include "plugin/tools/tool_cursor.h"
#include "plugin/tools/tool_state.h"

namespace quill {

namespace {

constexpr AIReal kClickTolerance = 8.0f;
constexpr float kSnapPixels = 8.0f;

Point Pointer(const AIToolMessage* message) {
    return {message->cursor.h, message->cursor.v};
}

void SetCursor(const AIToolMessage* message, std::int32_t id) {
    if (sADMBasic) sADMBasic->SetPlatformCursor(message->d.self, id);
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

DragKeys ReadDragKeys() {
    DragKeys keys;
    keys.shift = KeyIsDown(kVirtualKeyShift);
    keys.alt = KeyIsDown(kVirtualKeyAlt);
    keys.control = KeyIsDown(kVirtualKeyControl);
    keys.escape = KeyIsDown(kVirtualKeyEscape);
    keys.space = KeyIsDown(kVirtualKeySpace);
    keys.leftShift = KeyIsDown(kVirtualKeyLeftShift);
    keys.rightShift = KeyIsDown(kVirtualKeyRightShift);
    return keys;
}

// During a Segment drag the pointer snaps to the ends of the segments measured last,
// within 8 screen pixels.
void SnapToMemory(const AIToolMessage* message) {
    ToolState& tools = Tools();
    AIReal zoom = 1;
    if (sAIDocumentView->GetDocumentViewZoom(nullptr, &zoom) != kNoErr || zoom <= 0) zoom = 1;
    const AIReal tolerance = kSnapPixels / zoom;
    const AIRealPoint cursor{tools.cursor.h, tools.cursor.v};
    const auto close = [&](Point p) {
        const AIRealPoint end{p.h, p.v};
        AIBoolean isClose = false;
        return sAIRealMath->AIRealPointClose(&end, &cursor, tolerance, &isClose) == kNoErr &&
               isClose;
    };
    const auto missed = [&] {
        SetCursor(message,
                  tools.straightSegmentClick ? cursors::kStraightSegment : cursors::kNothing);
    };
    Point found;
    if (Memory().FindClose(close, missed, &found)) {
        tools.cursor = found;
        SetCursor(message, cursors::kAnchor);
    }
}

AIErr InvalidateWholeView() {
    AIRealRect bounds{};
    sAIDocumentView->GetDocumentViewBounds(nullptr, &bounds);
    AIPoint topLeft{}, bottomRight{};
    const AIRealPoint corner1{bounds.left, bounds.top}, corner2{bounds.right, bounds.bottom};
    sAIDocumentView->ArtworkPointToViewPoint(nullptr, &corner1, &topLeft);
    sAIDocumentView->ArtworkPointToViewPoint(nullptr, &corner2, &bottomRight);
    const AIRect rect{topLeft.h, topLeft.v, bottomRight.h, bottomRight.v};
    return sAIAnnotator->InvalAnnotationRect(nullptr, &rect);
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

}  // namespace

AIErr SelectTool(AIToolMessage* message, AIAnnotatorHandle annotator) {
    ToolState& tools = Tools();
    tools.clickCount = 0;
    Panel().phase = 0;
    Settings().SetMarksForToolSelection();
    tools.curveMeasured = tools.arcMeasured = tools.straightSegmentClick = false;
    BuildState() = DimensionBuildState{};
    tools.smartGuideColour = SmartGuideColour();
    tools.selectionPoint = Pointer(message);
    BuildPaintStyles();
    for (std::int32_t index = 1; index <= kToolCount; ++index)
        if (tools.tools[index] == message->tool) tools.currentTool = index;
    if (tools.currentTool == kLengthsTool) sAIMatchingArt->DeselectAll();
    return sAIAnnotator->SetAnnotatorActive(annotator, true);
}

AIErr DeselectTool(AIToolMessage*, AIAnnotatorHandle annotator) {
    // A measurement left after its first point is abandoned with the tool.
    if (BuildState().onlyFirstPoint) {
        DisposeArt(ArtSet().group);
        ArtSet() = DimensionArtSet{};
        BuildState().onlyFirstPoint = false;
    }
    AIErr result = sAIAnnotator->SetAnnotatorActive(annotator, false);
    for (bool& built : Tools().built) built = false;
    return result;
}

AIErr EditTool(AIToolMessage*) {
    return SelectToolIndex(kParametersTool);
}

AIErr TrackToolCursor(AIToolMessage* message) {
    const bool shift = KeyIsDown(kVirtualKeyShift), alt = KeyIsDown(kVirtualKeyAlt);
    ToolState& tools = Tools();
    tools.cursor = Pointer(message);
    const bool panelPage = AnyPanelPageOpen();
    if (alt && !shift && !panelPage) {
        SetCursor(message, cursors::kParametersTool);
        return kNoErr;
    }
    if (shift && !alt && tools.currentTool != kLengthsTool && !panelPage) {
        SetCursor(message, cursors::kNextTool);
        return kNoErr;
    }
    const AIErr result = ClassifyForTool(tools.currentTool, tools.cursor);
    const std::int32_t cursor = CursorForHover(tools.currentTool, shift && alt);
    if (cursor != 0) SetCursor(message, cursor);
    return result;
}

AIErr ToolMouseDown(AIToolMessage* message) {
    ToolState& tools = Tools();
    tools.dragActive = false;
    tools.curveMeasured = tools.arcMeasured = tools.straightSegmentClick = false;
    tools.cursor = Pointer(message);
    RefreshStrokeWidths();
    const bool shift = KeyIsDown(kVirtualKeyShift), alt = KeyIsDown(kVirtualKeyAlt);
    const bool panelPage = AnyPanelPageOpen();
    if (shift && !alt && !panelPage) return SwitchToNextTool();
    if (alt && !shift && !panelPage) return SelectToolIndex(kParametersTool);

    AIHitRef hitRef = nullptr;
    const AIRealPoint at{tools.cursor.h, tools.cursor.v};
    AIErr result = sAIHitTest->HitTestEx(nullptr, &at, kClickTolerance, kAllHitRequest, &hitRef);
    if (result != kNoErr) return result;
    AIToolHitData hit{};
    result = sAIHitTest->GetHitData(hitRef, &hit);
    sAIHitTest->Release(hitRef);
    if (result != kNoErr) return result;
    BuildState().clickCursor = tools.cursor;
    switch (tools.currentTool) {
        case kSegmentTool:
            SegmentClick(hit, shift, alt, tools.cursor);
            return NameDimensionGroup();
        case kAngleTool:
        case kCircleTool:
        case kBezierTool:
            if (!hit.hit) ShowNothingClickedAlert(tools.currentTool);
            return result;
        default:
            return result;
    }
}

AIErr ToolMouseDrag(AIToolMessage* message) {
    ToolState& tools = Tools();
    if (!tools.dragActive) return kNoErr;
    const DragKeys keys = ReadDragKeys();
    tools.dragAlt = keys.alt;
    tools.dragControl = keys.control;
    tools.dragEscape = keys.escape;
    tools.cursor = Pointer(message);
    switch (tools.currentTool) {
        case kSegmentTool:
            SnapToMemory(message);
            return DragSegmentDimension(tools.cursor, keys);
        case kLengthsTool:
            return InvalidateWholeView();
        default:
            return kNoErr;
    }
}

AIErr ToolMouseUp(AIToolMessage*) {
    ToolState& tools = Tools();
    AIErr result = kNoErr;
    if (tools.clickCount > 1) tools.clickCount = 0;
    switch (tools.currentTool) {
        case kSegmentTool:
            if (tools.dragActive)
                Memory().Add(BuildState().first, BuildState().second, Settings().memoryCapacity);
            tools.curveMeasured = tools.arcMeasured = tools.straightSegmentClick = false;
            break;
        case kLengthsTool:
            tools.dragActive = false;
            break;
        default:
            break;
    }
    return result;
}

}  // namespace quill
