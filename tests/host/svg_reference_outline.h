// A second, independent reading of an SVG file's geometry for the tests: every shape is
// drawn into a cairo context under its own transforms and cairo flattens it, so that
// lengths and areas can be checked against the importer's Béziers without sharing a line
// of its code. It knows only what the test drawings use.
#pragma once

#include <cairo.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "host/svg_reference_syntax.h"

namespace svgref {

/// One flattened contour in document points: its length and its signed area (taken as
/// closed), counter-clockwise positive with y downwards as in SVG.
struct FlatContour {
    double length = 0;
    double area = 0;
};

namespace detail {

constexpr double kPointsPerPixel = 0.75;
// cairo keeps device coordinates in 24.8 fixed point; a device unit of 1/256 point keeps
// that rounding far below what the comparison looks at.
constexpr double kDeviceUnitsPerPoint = 256;
constexpr double kFlatteningTolerance = 0.01;  // device units

// SVG's endpoint arc drawn through cairo's own circle code on a scaled, rotated frame.
inline void ArcTo(cairo_t* cr, double x0, double y0, double rx, double ry, double degrees,
                  bool large, bool sweep, double x, double y) {
    if (x0 == x && y0 == y) return;
    rx = std::fabs(rx), ry = std::fabs(ry);
    if (rx == 0 || ry == 0) return cairo_line_to(cr, x, y);
    double phi = degrees * kPi / 180, c = std::cos(phi), s = std::sin(phi);
    double dx = (x0 - x) / 2, dy = (y0 - y) / 2;
    double x1 = c * dx + s * dy, y1 = -s * dx + c * dy;
    double lambda = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
    if (lambda > 1) rx *= std::sqrt(lambda), ry *= std::sqrt(lambda);
    double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double k = std::sqrt(std::fmax(0, num / den)) * (large == sweep ? -1 : 1);
    double cx1 = k * rx * y1 / ry, cy1 = -k * ry * x1 / rx;
    double cx = c * cx1 - s * cy1 + (x0 + x) / 2, cy = s * cx1 + c * cy1 + (y0 + y) / 2;
    double a1 = std::atan2((y1 - cy1) / ry, (x1 - cx1) / rx);
    double a2 = std::atan2((-y1 - cy1) / ry, (-x1 - cx1) / rx);
    double delta = a2 - a1;
    if (sweep && delta < 0) delta += 2 * kPi;
    if (!sweep && delta > 0) delta -= 2 * kPi;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, phi);
    cairo_scale(cr, rx, ry);
    (sweep ? cairo_arc : cairo_arc_negative)(cr, 0, 0, 1, a1, a1 + delta);
    cairo_restore(cr);
    cairo_line_to(cr, x, y);  // the exact end, whatever the arc's rounding
}

inline void PathData(cairo_t* cr, const char* d) {
    Tokens t(d);
    char command = 0, previous = 0;
    double cx = 0, cy = 0, sx = 0, sy = 0, qx = 0, qy = 0, kx = 0, ky = 0;
    while (!t.AtEnd()) {
        if (std::isalpha(static_cast<unsigned char>(t.Peek()))) command = t.Take();
        bool rel = std::islower(static_cast<unsigned char>(command));
        double ox = rel ? cx : 0, oy = rel ? cy : 0, v[7] = {};
        auto read = [&](int n) {
            for (int i = 0; i < n; ++i)
                if (!t.Number(&v[i])) return false;
            return true;
        };
        char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(command)));
        if (upper == 'Z') {
            cairo_close_path(cr);
            cx = sx, cy = sy;
        } else if (upper == 'M' && read(2)) {
            cx = sx = ox + v[0], cy = sy = oy + v[1];
            cairo_move_to(cr, cx, cy);
            command = rel ? 'l' : 'L';
        } else if (upper == 'L' && read(2)) {
            cairo_line_to(cr, cx = ox + v[0], cy = oy + v[1]);
        } else if (upper == 'H' && read(1)) {
            cairo_line_to(cr, cx = ox + v[0], cy);
        } else if (upper == 'V' && read(1)) {
            cairo_line_to(cr, cx, cy = oy + v[0]);
        } else if ((upper == 'C' || upper == 'S') && read(upper == 'C' ? 6 : 4)) {
            double* p = upper == 'C' ? v + 2 : v;
            double x1 = upper == 'C'                           ? ox + v[0]
                        : (previous == 'C' || previous == 'S') ? 2 * cx - kx
                                                               : cx;
            double y1 = upper == 'C'                           ? oy + v[1]
                        : (previous == 'C' || previous == 'S') ? 2 * cy - ky
                                                               : cy;
            kx = ox + p[0], ky = oy + p[1];
            cairo_curve_to(cr, x1, y1, kx, ky, cx = ox + p[2], cy = oy + p[3]);
        } else if ((upper == 'Q' || upper == 'T') && read(upper == 'Q' ? 4 : 2)) {
            bool reflect = previous == 'Q' || previous == 'T';
            qx = upper == 'Q' ? ox + v[0] : reflect ? 2 * cx - qx : cx;
            qy = upper == 'Q' ? oy + v[1] : reflect ? 2 * cy - qy : cy;
            double* p = upper == 'Q' ? v + 2 : v;
            double x = ox + p[0], y = oy + p[1];
            cairo_curve_to(cr, cx + 2.0 / 3 * (qx - cx), cy + 2.0 / 3 * (qy - cy),
                           x + 2.0 / 3 * (qx - x), y + 2.0 / 3 * (qy - y), x, y);
            cx = x, cy = y;
        } else if (upper == 'A' && read(3)) {
            bool large = false, sweep = false;
            if (!t.Flag(&large) || !t.Flag(&sweep) || !t.Number(&v[3]) || !t.Number(&v[4])) return;
            ArcTo(cr, cx, cy, v[0], v[1], v[2], large, sweep, ox + v[3], oy + v[4]);
            cx = ox + v[3], cy = oy + v[4];
        } else {
            return;  // what the reading cannot follow ends the path, as SVG renderers do
        }
        previous = upper;
    }
}

inline void Points(cairo_t* cr, const char* text, bool close) {
    Tokens t(text);
    double x, y;
    bool first = true;
    while (t.Number(&x) && t.Number(&y)) {
        (first ? cairo_move_to : cairo_line_to)(cr, x, y);
        first = false;
    }
    if (close && !first) cairo_close_path(cr);
}

inline void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

inline void Rect(cairo_t* cr, const pugi::xml_node& n, const Viewport& vp) {
    auto len = [&](const char* attribute, double percentOf, double fallback = 0) {
        return Length(n.attribute(attribute).value(), percentOf, vp.fontSize, fallback);
    };
    double x = len("x", vp.width), y = len("y", vp.height);
    double w = len("width", vp.width), h = len("height", vp.height);
    if (w <= 0 || h <= 0) return;
    double rx = len("rx", vp.width, -1), ry = len("ry", vp.height, -1);
    if (rx < 0) rx = ry;
    if (ry < 0) ry = rx;
    rx = std::fmin(std::fmax(rx, 0), w / 2), ry = std::fmin(std::fmax(ry, 0), h / 2);
    if (rx == 0 || ry == 0) return cairo_rectangle(cr, x, y, w, h);
    cairo_new_sub_path(cr);
    auto corner = [&](double cx, double cy, double from) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, from, from + kPi / 2);
        cairo_restore(cr);
    };
    corner(x + w - rx, y + ry, -kPi / 2);
    corner(x + w - rx, y + h - ry, 0);
    corner(x + rx, y + h - ry, kPi / 2);
    corner(x + rx, y + ry, kPi);
    cairo_close_path(cr);
}

inline void Shape(cairo_t* cr, const pugi::xml_node& n, const std::string& name,
                  const Viewport& vp) {
    double diagonal = std::hypot(vp.width, vp.height) / std::sqrt(2.0);
    auto len = [&](const char* attribute, double percentOf) {
        return Length(n.attribute(attribute).value(), percentOf, vp.fontSize);
    };
    if (name == "path") {
        PathData(cr, n.attribute("d").value());
    } else if (name == "rect") {
        Rect(cr, n, vp);
    } else if (name == "circle") {
        double r = len("r", diagonal);
        Ellipse(cr, len("cx", vp.width), len("cy", vp.height), r, r);
    } else if (name == "ellipse") {
        Ellipse(cr, len("cx", vp.width), len("cy", vp.height), len("rx", vp.width),
                len("ry", vp.height));
    } else if (name == "line") {
        cairo_move_to(cr, len("x1", vp.width), len("y1", vp.height));
        cairo_line_to(cr, len("x2", vp.width), len("y2", vp.height));
    } else if (name == "polyline" || name == "polygon") {
        Points(cr, n.attribute("points").value(), name == "polygon");
    }
}

// The contours cairo made of the current path, in points, and the path cleared.
inline void Collect(cairo_t* cr, std::vector<FlatContour>* out) {
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_path_t* path = cairo_copy_path_flat(cr);
    cairo_restore(cr);
    std::vector<double> xs, ys;
    auto finish = [&](bool closed) {
        FlatContour c;
        std::size_t n = xs.size();
        for (std::size_t i = 0; i + 1 < n || (closed && i < n && n > 1); ++i) {
            std::size_t j = (i + 1) % n;
            c.length += std::hypot(xs[j] - xs[i], ys[j] - ys[i]);
        }
        for (std::size_t i = 0; i < n; ++i) {
            std::size_t j = (i + 1) % n;
            c.area += (xs[i] * ys[j] - xs[j] * ys[i]) / 2;
        }
        c.length /= kDeviceUnitsPerPoint;
        c.area /= kDeviceUnitsPerPoint * kDeviceUnitsPerPoint;
        if (n > 1 && c.length > 0) out->push_back(c);
        xs.clear(), ys.clear();
    };
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        const cairo_path_data_t& d = path->data[i];
        if (d.header.type == CAIRO_PATH_MOVE_TO) {
            finish(false);
            xs.push_back(path->data[i + 1].point.x), ys.push_back(path->data[i + 1].point.y);
        } else if (d.header.type == CAIRO_PATH_LINE_TO) {
            xs.push_back(path->data[i + 1].point.x), ys.push_back(path->data[i + 1].point.y);
        } else if (d.header.type == CAIRO_PATH_CLOSE_PATH) {
            finish(true);
        }
    }
    finish(false);
    cairo_path_destroy(path);
    cairo_new_path(cr);
}

inline bool IsRendered(const std::string& name) {
    static const char* const kSkipped[] = {
        "defs",  "symbol",  "title",         "desc",           "metadata",       "clipPath",
        "mask",  "pattern", "marker",        "linearGradient", "radialGradient", "text",
        "style", "image",   "foreignObject", "script",         "filter"};
    if (name.find(':') != std::string::npos) return false;  // editors' own elements
    for (const char* skipped : kSkipped)
        if (name == skipped) return false;
    return true;
}

inline void Walk(cairo_t* cr, const pugi::xml_node& node, const Viewport& vp,
                 std::vector<FlatContour>* out) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element) continue;
        std::string name = child.name();
        if (!IsRendered(name)) continue;
        Viewport inner = vp;
        if (const char* size = child.attribute("font-size").value(); *size)
            inner.fontSize = Length(size, vp.fontSize, vp.fontSize, vp.fontSize);
        cairo_save(cr);
        ApplyTransformList(cr, child.attribute("transform").value());
        if (name == "g" || name == "a") {
            Walk(cr, child, inner, out);
        } else {
            Shape(cr, child, name, inner);
            Collect(cr, out);
        }
        cairo_restore(cr);
    }
}

// The root's map from user units to device units, and the user-space viewport.
inline bool RootFrame(cairo_t* cr, const pugi::xml_node& root, Viewport* vp) {
    std::vector<double> box;
    Tokens t(root.attribute("viewBox").value());
    double x;
    while (t.Number(&x)) box.push_back(x);
    bool hasBox = box.size() == 4 && box[2] > 0 && box[3] > 0;
    auto side = [&](const char* attribute, double boxSide) {
        std::string text = root.attribute(attribute).value();
        if (text.empty() || text.back() == '%') return hasBox ? boxSide : 0.0;
        return Length(text.c_str(), 0);
    };
    double width = side("width", hasBox ? box[2] : 0), height = side("height", hasBox ? box[3] : 0);
    if (!(width > 0 && height > 0)) return false;
    cairo_scale(cr, kDeviceUnitsPerPoint * kPointsPerPixel, kDeviceUnitsPerPoint * kPointsPerPixel);
    if (!hasBox) {
        *vp = Viewport{width, height, 16};
        return true;
    }
    std::string aspect = root.attribute("preserveAspectRatio").value();
    double sx = width / box[2], sy = height / box[3], ax = 0.5, ay = 0.5;
    if (aspect.rfind("none", 0) != 0) {
        double s =
            aspect.find("slice") != std::string::npos ? std::fmax(sx, sy) : std::fmin(sx, sy);
        sx = sy = s;
        if (aspect.find("xMin") != std::string::npos) ax = 0;
        if (aspect.find("xMax") != std::string::npos) ax = 1;
        if (aspect.find("YMin") != std::string::npos) ay = 0;
        if (aspect.find("YMax") != std::string::npos) ay = 1;
    }
    cairo_translate(cr, (width - box[2] * sx) * ax - box[0] * sx,
                    (height - box[3] * sy) * ay - box[1] * sy);
    cairo_scale(cr, sx, sy);
    *vp = Viewport{box[2], box[3], 16};
    return true;
}

}  // namespace detail

/// The contours of every shape that the file draws, flattened by cairo, in points;
/// contours of no length are left out. Empty with `problem` set when the file cannot be
/// read or has no size.
inline std::vector<FlatContour> ReferenceContours(const std::string& file, std::string* problem) {
    std::vector<FlatContour> contours;
    pugi::xml_document xml;
    if (!xml.load_file(file.c_str())) {
        *problem = "not readable as XML";
        return contours;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(surface);
    cairo_set_tolerance(cr, detail::kFlatteningTolerance);
    detail::Viewport vp;
    pugi::xml_node root = xml.document_element();
    if (detail::RootFrame(cr, root, &vp)) {
        detail::ApplyTransformList(cr, root.attribute("transform").value());
        detail::Walk(cr, root, vp, &contours);
    } else {
        *problem = "the drawing has no size";
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return contours;
}

}  // namespace svgref
