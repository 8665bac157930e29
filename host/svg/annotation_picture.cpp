#include "host/svg/annotation_picture.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pugixml.hpp>

#include "host/svg/safe_xml_writer.h"
#include "host/svg/svg_numbers.h"
#include "host/svg/svg_writer.h"
#include "host/svg/xml_text_writer.h"

namespace host {

namespace {

// The drawer's font preset 0: the host's small interface font.
constexpr const char* kAnnotationFont = "font-family:DejaVu Sans,sans-serif;font-size:11px";

std::string Number(double value) {
    return svg::FormatFloat(static_cast<float>(value));
}

std::string Colour(const AIRGBColor& c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red >> 8, c.green >> 8, c.blue >> 8);
    return text;
}

std::string Xy(const AIPoint& p) {
    return std::to_string(p.h) + "," + std::to_string(p.v);
}

// The stroke of a line, outline, ellipse or curve: the pass's colour, width and dashes.
void Stroke(pugi::xml_node node, const DrawOp& op) {
    node.append_attribute("fill") = "none";
    node.append_attribute("stroke") = Colour(op.color).c_str();
    node.append_attribute("stroke-width") = Number(op.width).c_str();
    if (op.dashed) node.append_attribute("stroke-dasharray") = "4,4";
}

void Paint(pugi::xml_node node, const DrawOp& op) {
    if (op.fill) {
        node.append_attribute("fill") = Colour(op.color).c_str();
    } else {
        Stroke(node, op);
    }
}

void AppendOp(pugi::xml_node layer, const DrawOp& op) {
    const AIRect& r = op.rect;
    switch (op.kind) {
        case DrawOp::Kind::Line: {
            if (op.points.size() < 2) return;
            pugi::xml_node line = layer.append_child("path");
            line.append_attribute("d") = ("M" + Xy(op.points[0]) + " L" + Xy(op.points[1])).c_str();
            Stroke(line, op);
            return;
        }
        case DrawOp::Kind::Bezier: {
            if (op.points.size() < 4) return;
            pugi::xml_node curve = layer.append_child("path");
            curve.append_attribute("d") = ("M" + Xy(op.points[0]) + " C" + Xy(op.points[1]) + " " +
                                           Xy(op.points[2]) + " " + Xy(op.points[3]))
                                              .c_str();
            Stroke(curve, op);
            return;
        }
        case DrawOp::Kind::Rect: {
            pugi::xml_node rect = layer.append_child("rect");
            rect.append_attribute("x") = std::min(r.left, r.right);
            rect.append_attribute("y") = std::min(r.top, r.bottom);
            rect.append_attribute("width") = std::abs(r.right - r.left);
            rect.append_attribute("height") = std::abs(r.bottom - r.top);
            Paint(rect, op);
            return;
        }
        case DrawOp::Kind::Ellipse: {
            pugi::xml_node ellipse = layer.append_child("ellipse");
            ellipse.append_attribute("cx") = Number((r.left + r.right) / 2.0).c_str();
            ellipse.append_attribute("cy") = Number((r.top + r.bottom) / 2.0).c_str();
            ellipse.append_attribute("rx") = Number(std::abs(r.right - r.left) / 2.0).c_str();
            ellipse.append_attribute("ry") = Number(std::abs(r.bottom - r.top) / 2.0).c_str();
            Paint(ellipse, op);
            return;
        }
        case DrawOp::Kind::Text: {
            if (op.points.empty()) return;
            pugi::xml_node text = layer.append_child("text");
            text.append_attribute("x") = op.points[0].h;
            text.append_attribute("y") = op.points[0].v;
            text.append_attribute("fill") = Colour(op.color).c_str();
            text.append_attribute("style") = kAnnotationFont;
            text.append_child(pugi::node_pcdata).set_value(op.text.c_str());
            return;
        }
    }
}

// The drawing as the view shows it: its page scaled by the zoom, its top-left corner
// where the view puts the document point (0, page height).
void AppendDrawing(pugi::xml_node root, const Document& document, const ViewFrame& view) {
    pugi::xml_document drawing;
    svg::WriteSvgTree(document, drawing);
    pugi::xml_node placed = root.append_copy(drawing.document_element());
    const double zoom = view.zoom;
    const auto set = [&](const char* name, double value) {
        pugi::xml_attribute a = placed.attribute(name);
        if (!a) a = placed.append_attribute(name);
        a = Number(value).c_str();
    };
    set("x", (0 - double{view.originH}) * zoom);
    set("y", (double{view.originV} - document.height()) * zoom);
    set("width", document.width() * zoom);
    set("height", document.height() * zoom);
}

// Selected paths as the host shows them: their outline in their layer's colour, and a
// small square on every anchor.
void AppendSelection(pugi::xml_node root, const Document& document, const ViewFrame& view) {
    pugi::xml_node selection = root.append_child("g");
    selection.append_attribute("id") = "selection";
    const auto toView = [&](const AIRealPoint& p) {
        return Number((double{p.h} - view.originH) * view.zoom) + "," +
               Number((double{view.originV} - p.v) * view.zoom);
    };
    for (const Art* selected : document.SelectedArt()) {
        const Art& art = *selected;
        if (art.kind() != ArtKind::Path || art.segments.empty()) continue;
        const Layer* layer = document.LayerOf(&art);
        const std::string colour =
            Colour(layer ? layer->color : AIRGBColor{0x4F4F, 0x8080, 0xFFFF});
        std::string d = "M" + toView(art.segments.front().p);
        const std::size_t n = art.segments.size();
        for (std::size_t i = 1; i <= n; ++i) {
            if (i == n && !art.closed) break;
            const AIPathSegment& a = art.segments[i - 1];
            const AIPathSegment& b = art.segments[i % n];
            d += " C" + toView(a.out) + " " + toView(b.in) + " " + toView(b.p);
        }
        pugi::xml_node outline = selection.append_child("path");
        outline.append_attribute("d") = d.c_str();
        outline.append_attribute("fill") = "none";
        outline.append_attribute("stroke") = colour.c_str();
        for (const AIPathSegment& s : art.segments) {
            pugi::xml_node square = selection.append_child("rect");
            const double x = (double{s.p.h} - view.originH) * view.zoom;
            const double y = (double{view.originV} - s.p.v) * view.zoom;
            square.append_attribute("x") = Number(x - 2).c_str();
            square.append_attribute("y") = Number(y - 2).c_str();
            square.append_attribute("width") = 4;
            square.append_attribute("height") = 4;
            square.append_attribute("fill") = colour.c_str();
        }
    }
}

// What the host draws over the drawing: the selection, then the annotation pass.
void AppendOverlay(pugi::xml_node root, const Document& document, const ViewFrame& view,
                   const std::vector<DrawOp>& pass) {
    AppendSelection(root, document, view);
    pugi::xml_node feedback = root.append_child("g");
    feedback.append_attribute("id") = "annotation";
    for (const DrawOp& op : pass) AppendOp(feedback, op);
}

}  // namespace

namespace {

// The elements `append` adds to a root, as text.
template <typename Append>
std::string ElementsSvg(const Append& append) {
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("g");
    append(root);
    svg::XmlTextWriter out;
    for (pugi::xml_node child : root.children()) child.print(out, "", pugi::format_raw);
    return out.text;
}

}  // namespace

std::string SelectionOutlinesSvg(const Document& document, const ViewFrame& view) {
    return ElementsSvg([&](pugi::xml_node root) { AppendSelection(root, document, view); });
}

std::string AnnotationPassSvg(const std::vector<DrawOp>& pass) {
    return ElementsSvg([&](pugi::xml_node root) {
        pugi::xml_node feedback = root.append_child("g");
        feedback.append_attribute("id") = "annotation";
        for (const DrawOp& op : pass) AppendOp(feedback, op);
    });
}

bool SaveAnnotationPicture(const Document& document, const ViewFrame& view,
                           const std::vector<DrawOp>& pass, const std::string& path,
                           std::string* error) {
    try {
        pugi::xml_document xml;
        pugi::xml_node root = xml.append_child("svg");
        root.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
        root.append_attribute("width") = view.widthPx;
        root.append_attribute("height") = view.heightPx;
        root.append_attribute("viewBox") =
            ("0 0 " + std::to_string(view.widthPx) + " " + std::to_string(view.heightPx)).c_str();
        pugi::xml_node ground = root.append_child("rect");
        ground.append_attribute("width") = "100%";
        ground.append_attribute("height") = "100%";
        ground.append_attribute("fill") = "white";
        AppendDrawing(root, document, view);
        AppendOverlay(root, document, view, pass);
        SafeFile file;
        if (!file.Open(path, error)) return false;
        SafeXmlWriter writer(file);
        xml.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
        return file.Commit(error);
    } catch (const std::exception& e) {
        *error = path + ": " + e.what();
        return false;
    }
}

}  // namespace host
