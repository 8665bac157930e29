#include "host/svg/render.h"

#include <cairo.h>
#include <dlfcn.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <optional>

#include "host/io/safe_write.h"

namespace host {

namespace {

// librsvg, with cairo and GLib under it, is some fifty libraries whose loading alone costs
// every run of the host about 8 MB and its start-up time: it is loaded on the first
// picture asked for, not with the program.
#define QUILL_RENDER_FUNCTIONS(X)               \
    X(rsvg_handle_new_from_file)                \
    X(rsvg_handle_set_dpi)                      \
    X(rsvg_handle_get_intrinsic_size_in_pixels) \
    X(rsvg_handle_get_intrinsic_dimensions)     \
    X(rsvg_handle_get_geometry_for_layer)       \
    X(rsvg_handle_render_document)              \
    X(g_object_unref)                           \
    X(g_error_free)                             \
    X(cairo_image_surface_create)               \
    X(cairo_surface_status)                     \
    X(cairo_surface_flush)                      \
    X(cairo_surface_write_to_png_stream)        \
    X(cairo_surface_destroy)                    \
    X(cairo_status_to_string)                   \
    X(cairo_create)                             \
    X(cairo_destroy)                            \
    X(cairo_set_source_rgb)                     \
    X(cairo_paint)                              \
    X(cairo_scale)                              \
    X(cairo_translate)

struct RenderLibrary {
#define QUILL_RENDER_POINTER(name) decltype(&::name) name = nullptr;
    QUILL_RENDER_FUNCTIONS(QUILL_RENDER_POINTER)
#undef QUILL_RENDER_POINTER
};

constexpr const char* kRsvgLibrary = "librsvg-2.so.2";

RenderLibrary rsvg;  // filled once, by the first picture

// Loads the library's functions once; false with `error` set when it cannot be.
bool LoadRenderLibrary(std::string* error) {
    static std::string failure;
    static std::once_flag once;
    std::call_once(once, [] {
        void* handle = dlopen(kRsvgLibrary, RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = dlerror();
            failure = why ? why : "not found";
            return;
        }
        // A handle's symbols include those of the libraries it depends on (cairo, GLib).
#define QUILL_RENDER_LOAD(name)                                              \
    rsvg.name = reinterpret_cast<decltype(rsvg.name)>(dlsym(handle, #name)); \
    if (!rsvg.name) {                                                        \
        failure = std::string(#name) + " is missing";                        \
        return;                                                              \
    }
        QUILL_RENDER_FUNCTIONS(QUILL_RENDER_LOAD)
#undef QUILL_RENDER_LOAD
    });
    if (failure.empty()) return true;
    *error =
        std::string("pictures need ") + kRsvgLibrary + ", which cannot be loaded (" + failure + ")";
    return false;
}
#undef QUILL_RENDER_FUNCTIONS

// Around everything drawn, when the picture frames it all, in CSS pixels.
constexpr double kFitMargin = 8;

constexpr double kCssPixelsPerInch = 96;

struct Size {
    double width = 0, height = 0;
};

struct HandleRelease {
    void operator()(RsvgHandle* handle) const { rsvg.g_object_unref(handle); }
};
struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { rsvg.cairo_surface_destroy(surface); }
};
struct ContextRelease {
    void operator()(cairo_t* cr) const { rsvg.cairo_destroy(cr); }
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
    if (rsvg.rsvg_handle_get_intrinsic_size_in_pixels(handle, &size.width, &size.height) &&
        size.width > 0 && size.height > 0)
        return size;
    gboolean hasWidth = FALSE, hasHeight = FALSE, hasViewBox = FALSE;
    RsvgLength width{}, height{};
    RsvgRectangle viewBox{};
    rsvg.rsvg_handle_get_intrinsic_dimensions(handle, &hasWidth, &width, &hasHeight, &height,
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
    std::string loadError;
    if (!LoadRenderLibrary(&loadError)) return Fail(error, loadError);
    GError* gerror = nullptr;
    Handle handle(rsvg.rsvg_handle_new_from_file(svgPath.c_str(), &gerror));
    if (!handle) {
        std::string message = svgPath + ": " + OneLine(gerror ? gerror->message : nullptr);
        if (gerror) rsvg.g_error_free(gerror);
        return Fail(error, message);
    }
    // Physical units of the drawing are CSS's: 96 pixels to the inch.
    rsvg.rsvg_handle_set_dpi(handle.get(), kCssPixelsPerInch);
    auto natural = NaturalSize(handle.get());
    if (!natural) return Fail(error, svgPath + ": the drawing has neither a size nor a viewBox");
    // The frame in the page's CSS pixels: the page, or everything drawn with the page.
    RsvgRectangle page{0, 0, natural->width, natural->height};
    RsvgRectangle frame = page;
    if (options.framing == RenderOptions::Framing::Everything) {
        RsvgRectangle ink{}, logical{};
        if (rsvg.rsvg_handle_get_geometry_for_layer(handle.get(), nullptr, &page, &ink, &logical,
                                                    nullptr) &&
            ink.width > 0 && ink.height > 0)
            frame = Union(page, ink);
        frame = {frame.x - kFitMargin, frame.y - kFitMargin, frame.width + 2 * kFitMargin,
                 frame.height + 2 * kFitMargin};
    }
    const int width = options.dpi > 0
                          ? static_cast<int>(std::min<double>(
                                std::round(frame.width * options.dpi / kCssPixelsPerInch),
                                kLargestPictureSide + 1))
                          : options.widthPx;
    auto size = PictureSize(Size{frame.width, frame.height}, width);
    if (!size)
        return Fail(error, svgPath + ": a picture of that size cannot be made (sides from 1 to " +
                               std::to_string(kLargestPictureSide) + " pixels)");

    Surface surface(rsvg.cairo_image_surface_create(
        CAIRO_FORMAT_ARGB32, static_cast<int>(size->width), static_cast<int>(size->height)));
    if (rsvg.cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return Fail(error, pngPath + ": no memory for a picture of that size");
    Context cr(rsvg.cairo_create(surface.get()));
    rsvg.cairo_set_source_rgb(cr.get(), 1, 1, 1);
    rsvg.cairo_paint(cr.get());

    // The page drawn at its place in the frame, scaled to the picture.
    const double scale = size->width / frame.width;
    rsvg.cairo_scale(cr.get(), scale, scale);
    rsvg.cairo_translate(cr.get(), -frame.x, -frame.y);
    if (!rsvg.rsvg_handle_render_document(handle.get(), cr.get(), &page, &gerror)) {
        std::string message = svgPath + ": " + OneLine(gerror ? gerror->message : nullptr);
        if (gerror) rsvg.g_error_free(gerror);
        return Fail(error, message);
    }
    rsvg.cairo_surface_flush(surface.get());
    SafeFile file;
    std::string writeError;
    if (!file.Open(pngPath, &writeError)) return Fail(error, writeError);
    cairo_status_t written = rsvg.cairo_surface_write_to_png_stream(
        surface.get(),
        [](void* into, const unsigned char* data, unsigned int length) {
            static_cast<SafeFile*>(into)->Write(data, length);
            return CAIRO_STATUS_SUCCESS;
        },
        &file);
    if (written != CAIRO_STATUS_SUCCESS)
        return Fail(error, pngPath + ": cannot be written (" +
                               OneLine(rsvg.cairo_status_to_string(written)) + ")");
    if (!file.Commit(&writeError)) return Fail(error, writeError);
    return true;
}

}  // namespace host
