#include "plugin/services/view_invalidation.h"

#include "plugin/services/suites.h"

namespace quill {

AIErr InvalidateWholeView(AIRect& rect) {
    AIRealRect bounds{0, 0, 0, 0};
    AIErr result = sAIDocumentView->GetDocumentViewBounds(nullptr, &bounds);
    if (result != kNoErr) return result;
    const AIRealPoint artTopLeft{bounds.left, bounds.top};
    const AIRealPoint artBottomRight{bounds.right, bounds.bottom};
    AIPoint topLeft{0, 0}, bottomRight{0, 0};
    result = sAIDocumentView->ArtworkPointToViewPoint(nullptr, &artTopLeft, &topLeft);
    if (result != kNoErr) return result;
    result = sAIDocumentView->ArtworkPointToViewPoint(nullptr, &artBottomRight, &bottomRight);
    if (result != kNoErr) return result;
    rect = {topLeft.h, topLeft.v, bottomRight.h, bottomRight.v};
    return sAIAnnotator->InvalAnnotationRect(nullptr, &rect);
}

AIErr InvalidateWholeView() {
    AIRect rect{0, 0, 0, 0};
    return InvalidateWholeView(rect);
}

}  // namespace quill
