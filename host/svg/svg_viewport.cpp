#include "host/svg/svg_viewport.h"

#include "host/svg/svg_shapes.h"

namespace host::svg {

namespace {

// The host's page when a drawing says nothing of its size: A4 portrait, in points.
constexpr double kDefaultPageWidth = 595.28, kDefaultPageHeight = 841.89;

// A page size attribute in points; nullopt when absent or a percentage.
std::optional<double> PageSize(const pugi::xml_node& root, const char* attribute,
                               ReaderContext& context) {
    pugi::xml_attribute a = root.attribute(attribute);
    if (!a) return std::nullopt;
    std::string problem;
    auto points = ParsePageLength(a.value(), &problem);
    if (!points && problem == "a percentage") return std::nullopt;
    if (!points) context.Fail(root, problem + " in " + attribute + "=\"" + a.value() + "\"");
    if (!(*points > 0)) context.Fail(root, std::string(attribute) + " must be positive");
    return points;
}

std::optional<ViewBox> ReadViewBox(const pugi::xml_node& node, ReaderContext& context) {
    pugi::xml_attribute a = node.attribute("viewBox");
    if (!a) return std::nullopt;
    auto box = ParseViewBox(a.value());
    if (!box) context.Warn(node, std::string("ignored viewBox=\"") + a.value() + "\"");
    return box;
}

}  // namespace

Viewport RootViewport(const pugi::xml_node& root, ReaderContext& context) {
    auto width = PageSize(root, "width", context);
    auto height = PageSize(root, "height", context);
    auto box = ReadViewBox(root, context);
    Viewport v;
    if (box) {
        // A missing size follows the viewBox: its units are px, or its shape.
        if (!width && !height) width = box->width * kPointsPerPixel;
        if (!width) width = *height * box->width / box->height;
        if (!height) height = *width * box->height / box->width;
    } else {
        if (!width)
            width = height ? *height * kDefaultPageWidth / kDefaultPageHeight : kDefaultPageWidth;
        if (!height) height = *width * kDefaultPageHeight / kDefaultPageWidth;
    }
    v.pageWidth = *width;
    v.pageHeight = *height;
    const Matrix flip{1, 0, 0, -1, 0, v.pageHeight};
    if (box) {
        v.toParent = flip * ViewBoxMap(*box, 0, 0, v.pageWidth, v.pageHeight,
                                       root.attribute("preserveAspectRatio").value());
        v.userWidth = box->width;
        v.userHeight = box->height;
    } else {
        v.toParent = flip * Scaling(kPointsPerPixel, kPointsPerPixel);
        v.userWidth = v.pageWidth / kPointsPerPixel;
        v.userHeight = v.pageHeight / kPointsPerPixel;
    }
    return v;
}

Viewport NestedViewport(const pugi::xml_node& node, const pugi::xml_node& sizeSource,
                        const LengthContext& lengths, ReaderContext& context) {
    using A = LengthAxis;
    auto size = [&](const char* attribute, A axis, double whole) {
        const pugi::xml_node& holder = sizeSource.attribute(attribute) ? sizeSource : node;
        return LengthAttribute(holder, attribute, axis, lengths, whole, context);
    };
    double x =
        node == sizeSource ? LengthAttribute(node, "x", A::Horizontal, lengths, 0, context) : 0;
    double y =
        node == sizeSource ? LengthAttribute(node, "y", A::Vertical, lengths, 0, context) : 0;
    double width = size("width", A::Horizontal, lengths.viewportWidth);
    double height = size("height", A::Vertical, lengths.viewportHeight);
    Viewport v;
    v.drawsNothing = !(width > 0 && height > 0);
    auto box = ReadViewBox(node, context);
    if (box && !v.drawsNothing) {
        v.toParent = Translation(x, y) * ViewBoxMap(*box, 0, 0, width, height,
                                                    node.attribute("preserveAspectRatio").value());
        v.userWidth = box->width;
        v.userHeight = box->height;
    } else {
        v.toParent = Translation(x, y);
        v.userWidth = width;
        v.userHeight = height;
    }
    return v;
}

}  // namespace host::svg
