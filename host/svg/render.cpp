#include "host/svg/render.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace host {

namespace {

// Around everything drawn, when the picture frames it all, in CSS pixels.
constexpr double kFitMargin = 8;

constexpr double kCssPixelsPerInch = 96;

struct Size {
    double width = 0, height = 0;
};

struct HandleRelease {
    void operator()(RsvgHandle* handle) const { g_object_unref(handle); }
};
struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using Handle = std::unique_ptr<RsvgHandle, HandleRelease>;
using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using Context = std::unique_ptr<cairo_t, ContextRelease>;

// librsvg's messages may span lines; a report stays on one.
std::string OneLine(const char* text) {
    std::string line = text ? text : "unknown error";
    for (char& c : line)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

bool Fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return false;
}

// The drawing's own size in CSS pixels: its width and height when they are absolute,
// else the size of its viewBox.
std::optional<Size> NaturalSize(RsvgHandle* handle) {
    Size size;
    if (rsvg_handle_get_intrinsic_size_in_pixels(handle, &size.width, &size.height) &&
        size.width > 0 && size.height > 0)
        return size;
    gboolean hasWidth = FALSE, hasHeight = FALSE, hasViewBox = FALSE;
    RsvgLength width{}, height{};
    RsvgRectangle viewBox{};
    rsvg_handle_get_intrinsic_dimensions(handle, &hasWidth, &width, &hasHeight, &height,
                                         &hasViewBox, &viewBox);
    if (hasViewBox && viewBox.width > 0 && viewBox.height > 0)
        return Size{viewBox.width, viewBox.height};
    return std::nullopt;
}

// The picture's size in whole pixels, the height following the drawing's proportions.
std::optional<Size> PictureSize(const Size& natural, int requestedWidth) {
    double width = requestedWidth > 0 ? requestedWidth : std::round(natural.width);
    double height =
        std::round(requestedWidth > 0 ? width * natural.height / natural.width : natural.height);
    if (!(width >= 1 && height >= 1 && width <= kLargestPictureSide &&
          height <= kLargestPictureSide))
        return std::nullopt;
    return Size{width, height};
}

// The smallest rectangle holding both.
RsvgRectangle Union(const RsvgRectangle& a, const RsvgRectangle& b) {
    const double left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    const double right = std::max(a.x + a.width, b.x + b.width);
    const double bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}

}  // namespace

bool RenderSvgToPng(const std::string& svgPath, const std::string& pngPath,
                    const RenderOptions& options, std::string* error) {
    GError* gerror = nullptr;
    Handle handle(rsvg_handle_new_from_file(svgPath.c_str(), &gerror));
    if (!handle) {
        std::string message = svgPath + ": " + OneLine(gerror ? gerror->message : nullptr);
        if (gerror) g_error_free(gerror);
        return Fail(error, message);
    }
    // Physical units of the drawing are CSS's: 96 pixels to the inch.
    rsvg_handle_set_dpi(handle.get(), kCssPixelsPerInch);
    auto natural = NaturalSize(handle.get());
    if (!natural) return Fail(error, svgPath + ": the drawing has neither a size nor a viewBox");
    // The frame in the page's CSS pixels: the page, or everything drawn with the page.
    RsvgRectangle page{0, 0, natural->width, natural->height};
    RsvgRectangle frame = page;
    if (options.framing == RenderOptions::Framing::Everything) {
        RsvgRectangle ink{}, logical{};
        if (rsvg_handle_get_geometry_for_layer(handle.get(), nullptr, &page, &ink, &logical,
                                               nullptr) &&
            ink.width > 0 && ink.height > 0)
            frame = Union(page, ink);
        frame = {frame.x - kFitMargin, frame.y - kFitMargin, frame.width + 2 * kFitMargin,
                 frame.height + 2 * kFitMargin};
    }
    auto size = PictureSize(Size{frame.width, frame.height}, options.widthPx);
    if (!size)
        return Fail(error, svgPath + ": a picture of that size cannot be made (sides from 1 to " +
                               std::to_string(kLargestPictureSide) + " pixels)");

    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(size->width),
                                               static_cast<int>(size->height)));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return Fail(error, pngPath + ": no memory for a picture of that size");
    Context cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());

    // The page drawn at its place in the frame, scaled to the picture.
    const double scale = size->width / frame.width;
    cairo_scale(cr.get(), scale, scale);
    cairo_translate(cr.get(), -frame.x, -frame.y);
    if (!rsvg_handle_render_document(handle.get(), cr.get(), &page, &gerror)) {
        std::string message = svgPath + ": " + OneLine(gerror ? gerror->message : nullptr);
        if (gerror) g_error_free(gerror);
        return Fail(error, message);
    }
    cairo_surface_flush(surface.get());
    cairo_status_t written = cairo_surface_write_to_png(surface.get(), pngPath.c_str());
    if (written != CAIRO_STATUS_SUCCESS)
        return Fail(error, pngPath + ": cannot be written (" +
                               OneLine(cairo_status_to_string(written)) + ")");
    return true;
}

}  // namespace host
