#include "plugin/feedback/annotation_pass.h"

#include <algorithm>
#include <string>
#include <vector>

#include "plugin/feedback/annotation_drawer.h"
#include "plugin/feedback/colour_legend.h"
#include "plugin/feedback/tool_marks.h"
#include "plugin/panel/panel_drawing.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/lengths_tool.h"
#include "plugin/tools/tool_state.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

// Text layout, in view pixels: right of the anchor, one line every 12 pixels downwards;
// the Lengths & Areas texts start lower, clear of the plus and minus signs.
constexpr int kTextLeft = 16;
constexpr int kLineStep = 12;
constexpr int kLengthsTextsBelow = 20;
constexpr int kFontPreset = 0;

// The colour of the current layer, which the marks are drawn in; black when unknown.
AIRGBColor MarksColour(AnnotationDrawer& drawer) {
    AILayerHandle layer = nullptr;
    AIRGBColor colour{0, 0, 0};
    const AIErr found = sAILayer->GetCurrentLayer(&layer);
    drawer.Record(found);
    if (found == kNoErr) drawer.Record(sAILayer->GetLayerColor(layer, &colour));
    return colour;
}

// The selection rectangle from the press to the pointer, dashed in the drawer's own
// colour (the dashes stay on for the rest of the pass); the tool's drag selected what it
// takes in.
void DrawRubberBand(AnnotationDrawer& drawer) {
    const LengthsTool& lengths = TheLengthsTool();
    const AIPoint a = drawer.ToView(lengths.measures().corner), b = drawer.ToView(Tools().cursor);
    drawer.Dashed(true);
    drawer.Rectangle(
        {std::min(a.h, b.h), std::min(a.v, b.v), std::max(a.h, b.h), std::max(a.v, b.v)}, false);
    drawer.Record(lengths.bandCode());
}

void DrawTexts(AnnotationDrawer& drawer, AIPoint anchor, bool lengthsTool) {
    const std::vector<std::string> lines =
        ToolAt(Tools().ActingTool()).FeedbackLines(CurrentHover());
    drawer.Colour(Tools().smartGuideColour);
    drawer.FontPreset(kFontPreset);
    int v = anchor.v + (lengthsTool ? kLengthsTextsBelow : 0);
    for (const std::string& line : lines) {
        drawer.Text(line, {anchor.h + kTextLeft, v});
        v += kLineStep;
    }
}

}  // namespace

AIErr DrawAnnotation(const AIAnnotatorMessage& message) {
    // Before start-up, or without the suites it draws with, nothing is drawn.
    if (!sAIAnnotatorDrawer || !sAIDocumentView || !sAILayer) return kNoErr;
    AnnotationDrawer drawer(message);
    const std::int32_t tool = Tools().ActingTool();
    const bool lengthsTool = tool == kLengthsTool;
    const AIRGBColor marksColour = MarksColour(drawer);
    if (lengthsTool && Tools().dragActive) DrawRubberBand(drawer);
    const AIPoint anchor = drawer.ToView(CurrentHover().pointer);
    DrawTexts(drawer, anchor, lengthsTool);
    if (Settings().showColoursNearCursor && tool != kParametersTool)
        DrawColourLegend(drawer, anchor, Tools().smartGuideColour, lengthsTool,
                         lengthsTool ? 4 : 8);
    if (tool == kParametersTool) {
        // The panel, unless the pointer is over a dimension, whose click goes to the tool
        // that made it.
        const HoverKind hover = CurrentHover().kind;
        if (hover != HoverKind::DimensionSegmentHit && hover != HoverKind::DimensionArcHit)
            drawer.Record(DrawPanel(message));
        return drawer.Last();
    }
    drawer.Colour(marksColour);
    DrawToolMarks(drawer);
    return drawer.Last();
}

}  // namespace quill
