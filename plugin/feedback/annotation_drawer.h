// The host's annotation drawer for one pass, in view pixels (y downwards): artwork points
// are converted through the pass's view. A failing call does not stop the pass; the
// pass answers the code of the last call made.
#pragma once

#include <string>

#include "plugin/geometry/types.h"
#include "plugin/services/host_steps.h"
#include "sdk/sdk.h"

namespace quill {

class AnnotationDrawer {
 public:
    explicit AnnotationDrawer(const AIAnnotatorMessage& message)
        : drawer_(message.drawer), view_(message.view) {}

    /// The artwork point in view pixels; (0, 0) when the host cannot convert it.
    AIPoint ToView(Point artwork);

    void Colour(const AIRGBColor& colour);
    void LineWidth(float width);
    void Dashed(bool dashed);
    void FontPreset(int preset);
    void Line(AIPoint from, AIPoint to);
    void Rectangle(const AIRect& rect, bool filled);
    void Ellipse(const AIRect& rect, bool filled);
    /// A Bézier given in view pixels.
    void Bezier(const AIPoint (&view)[4]);
    /// `text` in Windows-1252, the left end of its baseline at `at`.
    void Text(const std::string& text, AIPoint at);

    /// The code of the last host call of the pass.
    AIErr Last() const { return steps_.Last(); }
    /// Counts one more call of the pass made outside the drawer.
    void Record(AIErr code) { steps_ << code; }

 private:
    AIAnnotatorDrawer drawer_;
    AIDocumentViewHandle view_;
    HostSteps steps_;
};

}  // namespace quill
