#include "app/serve/overlay_changes.h"

#include "app/serve/selection_marks.h"

namespace quill::serve {

namespace {

bool SameColour(const AIRGBColor& a, const AIRGBColor& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

bool SameOp(const host::DrawOp& a, const host::DrawOp& b) {
    if (a.kind != b.kind || a.fill != b.fill || a.dashed != b.dashed || a.width != b.width ||
        a.fontPreset != b.fontPreset || a.text != b.text || !SameColour(a.color, b.color) ||
        a.rect.left != b.rect.left || a.rect.top != b.rect.top || a.rect.right != b.rect.right ||
        a.rect.bottom != b.rect.bottom || a.points.size() != b.points.size())
        return false;
    for (std::size_t i = 0; i < a.points.size(); ++i)
        if (a.points[i].h != b.points[i].h || a.points[i].v != b.points[i].v) return false;
    return true;
}

bool SameView(const host::ViewFrame& a, const host::ViewFrame& b) {
    return a.originH == b.originH && a.originV == b.originV && a.zoom == b.zoom &&
           a.widthPx == b.widthPx && a.heightPx == b.heightPx;
}

}  // namespace

bool SamePass(const std::vector<host::DrawOp>& a, const std::vector<host::DrawOp>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SameOp(a[i], b[i])) return false;
    return true;
}

void OverlayChanges::Collect(host::Host& host, bool touched, const host::ViewFrame& view,
                             bool everything, nlohmann::json* out) {
    const host::Document& document = host.document();
    // The selection's marks follow the selected art, its layers' colours and the view:
    // nothing of them changed while the document says nothing changed and the view stays.
    if (everything || touched || document.version() != version_ || !SameView(view, view_)) {
        version_ = document.version();
        view_ = view;
        std::string outlines = host::SelectionOutlinesSvg(document, view);
        if (everything || outlines != outlinesSent_) {
            (*out)["outlines"] = outlines;
            outlinesSent_ = std::move(outlines);
        }
        nlohmann::json marks = SelectionMarks(host);
        if (std::string text = marks.dump(); everything || text != marksSent_) {
            (*out)["selection"] = std::move(marks);
            marksSent_ = std::move(text);
        }
    }
    const std::vector<host::DrawOp>& pass = host.log().annotation;
    if (everything || !SamePass(pass, passSent_)) {
        (*out)["annotation"] = host::AnnotationPassSvg(pass);
        passSent_ = pass;
    }
}

}  // namespace quill::serve
