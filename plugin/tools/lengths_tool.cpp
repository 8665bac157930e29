// The Lengths & Areas tool: it classifies by proximity; while it drags, the whole view
// is drawn again for the rubber band; its mouse-up ends the rubber band.
#include "plugin/dimensions/texts.h"
#include "plugin/services/suites.h"
#include "plugin/tools/hover_classification.h"
#include "plugin/tools/tool_cursor.h"
#include "plugin/tools/tool_state.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

std::int32_t LengthsCursor(HoverKind kind, bool) {
    return MeasuringCursor(kLengthsTool, kind);
}

AIErr InvalidateWholeView(const AIToolMessage*, const DragKeys&) {
    AIRealRect bounds{};
    sAIDocumentView->GetDocumentViewBounds(nullptr, &bounds);
    AIPoint topLeft{}, bottomRight{};
    const AIRealPoint corner1{bounds.left, bounds.top}, corner2{bounds.right, bounds.bottom};
    sAIDocumentView->ArtworkPointToViewPoint(nullptr, &corner1, &topLeft);
    sAIDocumentView->ArtworkPointToViewPoint(nullptr, &corner2, &bottomRight);
    const AIRect rect{topLeft.h, topLeft.v, bottomRight.h, bottomRight.v};
    return sAIAnnotator->InvalAnnotationRect(nullptr, &rect);
}

AIErr EndRubberBand() {
    Tools().dragActive = false;
    return kNoErr;
}

const char* LengthsGroupName() {
    return texts::kGroupLengths.c_str();
}

}  // namespace

const ToolBehaviour kLengthsBehaviour{
    ClassifyLengthsHover, LengthsCursor, nullptr,          nullptr,
    InvalidateWholeView,  EndRubberBand, LengthsGroupName,
};

}  // namespace quill
