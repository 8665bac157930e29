#include "plugin/feedback/annotation_pass.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "plugin/feedback/annotation_drawer.h"
#include "plugin/feedback/colour_legend.h"
#include "plugin/feedback/tool_marks.h"
#include "plugin/services/suites.h"
#include "plugin/settings/settings_record.h"
#include "plugin/tools/hover_state.h"
#include "plugin/tools/tool_state.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

// Text layout, in view pixels: right of the anchor, one line every 12 pixels downwards,
// from where the tool's layout says.
constexpr int kTextLeft = 16;
constexpr int kLineStep = 12;
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

// The selection rectangle from its corner to the pointer, dashed in the drawer's own
// colour (the dashes stay on for the rest of the pass); the tool's drag selected what it
// takes in.
void DrawRubberBand(AnnotationDrawer& drawer, const DraggedBand& band) {
    const AIPoint a = drawer.ToView(band.corner), b = drawer.ToView(Tools().cursor);
    drawer.Dashed(true);
    drawer.Rectangle(
        {std::min(a.h, b.h), std::min(a.v, b.v), std::max(a.h, b.h), std::max(a.v, b.v)}, false);
    drawer.Record(band.code);
}

void DrawTexts(AnnotationDrawer& drawer, AIPoint anchor, const Tool& tool, int linesBelow) {
    const std::vector<std::string> lines = tool.FeedbackLines(CurrentHover());
    drawer.Colour(Tools().smartGuideColour);
    drawer.FontPreset(kFontPreset);
    int v = anchor.v + linesBelow;
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
    const Tool& tool = ToolAt(Tools().ActingTool());
    const FeedbackLayout layout = tool.Layout();
    const AIRGBColor marksColour = MarksColour(drawer);
    if (Tools().dragActive)
        if (const std::optional<DraggedBand> band = tool.Band()) DrawRubberBand(drawer, *band);
    const AIPoint anchor = drawer.ToView(CurrentHover().pointer);
    DrawTexts(drawer, anchor, tool, layout.linesBelow);
    if (Settings().showColoursNearCursor && layout.legend)
        DrawColourLegend(drawer, anchor, Tools().smartGuideColour, layout.legendTextOnly,
                         layout.legendRowGap);
    if (!layout.marks) {
        if (const std::optional<AIErr> drawn = tool.DrawOwnView(message)) drawer.Record(*drawn);
        return drawer.Last();
    }
    drawer.Colour(marksColour);
    DrawToolMarks(drawer, tool);
    return drawer.Last();
}

}  // namespace quill
