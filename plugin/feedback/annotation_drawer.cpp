#include "plugin/feedback/annotation_drawer.h"

#include "plugin/services/host_geometry.h"
#include "plugin/services/host_text.h"
#include "plugin/services/suites.h"

namespace quill {

AIPoint AnnotationDrawer::ToView(Point artwork) {
    const AIRealPoint from = quill::ToHost(artwork);
    AIPoint to{0, 0};
    steps_ << sAIDocumentView->ArtworkPointToViewPoint(view_, &from, &to);
    return to;
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

void AnnotationDrawer::Bezier(const quill::Bezier& artwork) {
    const AIPoint p0 = ToView(artwork.p0), p1 = ToView(artwork.p1);
    const AIPoint p2 = ToView(artwork.p2), p3 = ToView(artwork.p3);
    steps_ << sAIAnnotatorDrawer->DrawBezier(drawer_, &p0, &p1, &p2, &p3);
}

void AnnotationDrawer::Text(const std::string& text, AIPoint at) {
    const std::string utf8 = ToHostText(text.c_str());
    steps_ << sAIAnnotatorDrawer->DrawText(drawer_, utf8.c_str(), &at);
}

}  // namespace quill
