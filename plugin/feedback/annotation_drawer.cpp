#include "plugin/feedback/annotation_drawer.h"

#include "plugin/services/host_geometry.h"
#include "plugin/services/host_text.h"
#include "plugin/services/suites.h"

namespace quill {

AIPoint AnnotationDrawer::ToView(Point artwork) {
    const AIRealPoint from = quill::ToHost(artwork);
    AIPoint to{0, 0};
    steps_ << sAIDocumentView->ArtworkPointToViewPoint(view_, &from, &to);
    return HeldInView(to);
}

void AnnotationDrawer::Colour(const AIRGBColor& colour) {
    steps_ << sAIAnnotatorDrawer->SetColor(drawer_, &colour);
}

void AnnotationDrawer::LineWidth(float width) {
    steps_ << sAIAnnotatorDrawer->SetLineWidth(drawer_, width);
}

void AnnotationDrawer::Dashed(bool dashed) {
    steps_ << sAIAnnotatorDrawer->SetLineDashed(drawer_, dashed);
}

void AnnotationDrawer::FontPreset(int preset) {
    steps_ << sAIAnnotatorDrawer->SetFontPreset(drawer_, preset);
}

void AnnotationDrawer::Line(AIPoint from, AIPoint to) {
    steps_ << sAIAnnotatorDrawer->DrawLine(drawer_, &from, &to);
}

void AnnotationDrawer::Rectangle(const AIRect& rect, bool filled) {
    steps_ << sAIAnnotatorDrawer->DrawRect(drawer_, &rect, filled);
}

void AnnotationDrawer::Ellipse(const AIRect& rect, bool filled) {
    steps_ << sAIAnnotatorDrawer->DrawEllipse(drawer_, &rect, filled);
}

void AnnotationDrawer::Bezier(const AIPoint (&view)[4]) {
    steps_ << sAIAnnotatorDrawer->DrawBezier(drawer_, &view[0], &view[1], &view[2], &view[3]);
}

void AnnotationDrawer::Text(const std::string& text, AIPoint at) {
    const std::string utf8 = ToHostText(text.c_str());
    steps_ << sAIAnnotatorDrawer->DrawText(drawer_, utf8.c_str(), &at);
}

}  // namespace quill
