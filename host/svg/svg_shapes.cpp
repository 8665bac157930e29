#include "host/svg/svg_shapes.h"

#include <algorithm>
#include <cmath>

#include "host/svg/svg_numbers.h"
#include "host/svg/svg_path_data.h"

namespace host::svg {

namespace {

constexpr const char* kShapeNames[] = {"path", "rect",     "circle", "ellipse",
                                       "line", "polyline", "polygon"};

Outline RectOutline(const pugi::xml_node& node, const LengthContext& lengths,
                    ReaderContext& context) {
    using A = LengthAxis;
    double x = LengthAttribute(node, "x", A::Horizontal, lengths, 0, context);
    double y = LengthAttribute(node, "y", A::Vertical, lengths, 0, context);
    double w = LengthAttribute(node, "width", A::Horizontal, lengths, 0, context);
    double h = LengthAttribute(node, "height", A::Vertical, lengths, 0, context);
    if (!(w > 0 && h > 0)) return {};
    // A missing radius takes the other one; both are limited to half the sides.
    bool hasRx = node.attribute("rx") && std::string_view(node.attribute("rx").value()) != "auto";
    bool hasRy = node.attribute("ry") && std::string_view(node.attribute("ry").value()) != "auto";
    double rx = hasRx ? LengthAttribute(node, "rx", A::Horizontal, lengths, 0, context) : 0;
    double ry = hasRy ? LengthAttribute(node, "ry", A::Vertical, lengths, 0, context) : 0;
    if (!hasRx) rx = ry;
    if (!hasRy) ry = rx;
    rx = std::clamp(rx, 0.0, w / 2), ry = std::clamp(ry, 0.0, h / 2);
    OutlineBuilder b;
    if (rx == 0 || ry == 0) {
        b.MoveTo({x, y});
        b.LineTo({x + w, y});
        b.LineTo({x + w, y + h});
        b.LineTo({x, y + h});
        b.Close();
        return b.Finish();
    }
    // Clockwise on screen from the end of the top-left corner, as editors draw it.
    b.MoveTo({x + rx, y});
    if (x + rx < x + w - rx) b.LineTo({x + w - rx, y});
    b.ArcTo(rx, ry, 0, false, true, {x + w, y + ry});
    if (y + ry < y + h - ry) b.LineTo({x + w, y + h - ry});
    b.ArcTo(rx, ry, 0, false, true, {x + w - rx, y + h});
    if (x + w - rx > x + rx) b.LineTo({x + rx, y + h});
    b.ArcTo(rx, ry, 0, false, true, {x, y + h - ry});
    if (y + h - ry > y + ry) b.LineTo({x, y + ry});
    b.ArcTo(rx, ry, 0, false, true, {x + rx, y});
    b.Close();
    return b.Finish();
}

Outline EllipseOutline(Point centre, double rx, double ry) {
    if (!(rx > 0 && ry > 0)) return {};
    // Four quarter arcs (more for a large ellipse) starting at the rightmost point.
    OutlineBuilder b;
    b.MoveTo({centre.x + rx, centre.y});
    b.ArcTo(rx, ry, 0, false, true, {centre.x, centre.y + ry});
    b.ArcTo(rx, ry, 0, false, true, {centre.x - rx, centre.y});
    b.ArcTo(rx, ry, 0, false, true, {centre.x, centre.y - ry});
    b.ArcTo(rx, ry, 0, false, true, {centre.x + rx, centre.y});
    b.Close();
    return b.Finish();
}

Outline PolyOutline(const pugi::xml_node& node, bool closed, ReaderContext& context) {
    NumberScanner scanner(node.attribute("points").value());
    scanner.SkipSpaces();
    std::vector<double> values;
    while (auto value = scanner.ReadNumber()) {
        if (!(std::fabs(*value) <= kLargestCoordinate))
            context.Fail(node, "number out of range in points");
        values.push_back(*value);
    }
    if (!scanner.AtEnd())
        context.Fail(node, "bad points at character " + std::to_string(scanner.position() + 1) +
                               " ('" + std::string(scanner.Rest().substr(0, 12)) + "')");
    if (values.size() % 2 == 1) {
        context.Warn(node, "odd number of coordinates in points; the last is ignored");
        values.pop_back();
    }
    OutlineBuilder b;
    for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
        Point p{values[i], values[i + 1]};
        i == 0 ? b.MoveTo(p) : b.LineTo(p);
    }
    if (closed) b.Close();
    return b.Finish();
}

}  // namespace

bool IsShapeElement(std::string_view name) {
    return std::find(std::begin(kShapeNames), std::end(kShapeNames), name) != std::end(kShapeNames);
}

double LengthAttribute(const pugi::xml_node& node, const char* attribute, LengthAxis axis,
                       const LengthContext& lengths, double fallback, ReaderContext& context) {
    pugi::xml_attribute a = node.attribute(attribute);
    if (!a) return fallback;
    std::string problem;
    auto length = ParseLength(a.value(), axis, lengths, &problem);
    if (!length) context.Fail(node, problem + " in " + attribute + "=\"" + a.value() + "\"");
    return *length;
}

Outline ShapeOutline(const pugi::xml_node& node, std::string_view name,
                     const LengthContext& lengths, ReaderContext& context) {
    using A = LengthAxis;
    auto length = [&](const char* attribute, LengthAxis axis) {
        return LengthAttribute(node, attribute, axis, lengths, 0, context);
    };
    if (name == "path") {
        Outline outline;
        std::string error;
        // The host's own files keep paths of a single anchor.
        bool keepSingleNodes = context.Declares(Namespace::Quill);
        if (!ParsePathData(context.AttributesOf(node).d.value(), &outline, &error, keepSingleNodes))
            context.Fail(node, "bad path data: " + error);
        return outline;
    }
    if (name == "rect") return RectOutline(node, lengths, context);
    if (name == "circle") {
        double r = length("r", A::Other);
        return EllipseOutline({length("cx", A::Horizontal), length("cy", A::Vertical)}, r, r);
    }
    if (name == "ellipse")
        return EllipseOutline({length("cx", A::Horizontal), length("cy", A::Vertical)},
                              length("rx", A::Horizontal), length("ry", A::Vertical));
    if (name == "line") {
        OutlineBuilder b;
        b.MoveTo({length("x1", A::Horizontal), length("y1", A::Vertical)});
        b.LineTo({length("x2", A::Horizontal), length("y2", A::Vertical)});
        return b.Finish();
    }
    return PolyOutline(node, name == "polygon", context);
}

}  // namespace host::svg
