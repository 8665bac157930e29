#include "roundtrip/picture_diff.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace quill::roundtrip {

namespace {

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

// A premultiplied channel over white: what shows on a white page.
std::uint8_t OverWhite(std::uint32_t premultiplied, std::uint32_t alpha) {
    return static_cast<std::uint8_t>(std::min<std::uint32_t>(255, premultiplied + 255 - alpha));
}

bool PixelsDiffer(const std::uint8_t* p, const std::uint8_t* q) {
    for (int c = 0; c < 3; ++c)
        if (std::abs(int{p[c]} - int{q[c]}) > kChannelThreshold) return true;
    return false;
}

const std::uint8_t* PixelAt(const Picture& picture, int x, int y) {
    return &picture.rgb[(static_cast<std::size_t>(y) * picture.width + x) * 3];
}

// Whether the pixel of `from` at (x, y) is in `in` within `reach` pixels of there, in the
// first `width` × `height` pixels.
bool FoundNear(const Picture& from, const Picture& in, int x, int y, int reach, int width,
               int height) {
    const std::uint8_t* p = PixelAt(from, x, y);
    for (int v = std::max(0, y - reach); v <= std::min(height - 1, y + reach); ++v)
        for (int u = std::max(0, x - reach); u <= std::min(width - 1, x + reach); ++u)
            if (!PixelsDiffer(p, PixelAt(in, u, v))) return true;
    return false;
}

// The pixel of the diff picture: red where the pictures differ, the first picture faded
// to a quarter elsewhere, tinted blue where left out.
void PaintDiffPixel(const std::uint8_t* source, bool differs, bool ignored, std::uint8_t* out) {
    if (differs) {
        out[0] = 230, out[1] = 0, out[2] = 0;
        return;
    }
    for (int c = 0; c < 3; ++c) out[c] = static_cast<std::uint8_t>(191 + source[c] / 4);
    if (ignored) out[0] = static_cast<std::uint8_t>(out[0] - 60), out[1] -= 30;
}

}  // namespace

std::optional<Picture> ReadPng(const std::string& path, std::string* error) {
    Surface surface(cairo_image_surface_create_from_png(path.c_str()));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        *error = path + ": " + cairo_status_to_string(cairo_surface_status(surface.get()));
        return std::nullopt;
    }
    // Whatever the PNG's own format, cairo hands it over as premultiplied ARGB32.
    Surface argb(cairo_image_surface_create(CAIRO_FORMAT_ARGB32,
                                            cairo_image_surface_get_width(surface.get()),
                                            cairo_image_surface_get_height(surface.get())));
    cairo_t* cr = cairo_create(argb.get());
    cairo_set_source_surface(cr, surface.get(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(argb.get());

    Picture picture;
    picture.width = cairo_image_surface_get_width(argb.get());
    picture.height = cairo_image_surface_get_height(argb.get());
    const int stride = cairo_image_surface_get_stride(argb.get());
    const unsigned char* data = cairo_image_surface_get_data(argb.get());
    picture.rgb.reserve(static_cast<std::size_t>(picture.width) * picture.height * 3);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            std::uint32_t pixel;
            std::memcpy(&pixel, data + y * stride + 4 * x, 4);
            const std::uint32_t alpha = pixel >> 24;
            picture.rgb.push_back(OverWhite((pixel >> 16) & 0xFF, alpha));
            picture.rgb.push_back(OverWhite((pixel >> 8) & 0xFF, alpha));
            picture.rgb.push_back(OverWhite(pixel & 0xFF, alpha));
        }
    return picture;
}

bool WritePng(const Picture& picture, const std::string& path, std::string* error) {
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height));
    const int stride = cairo_image_surface_get_stride(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* p =
                &picture.rgb[(static_cast<std::size_t>(y) * picture.width + x) * 3];
            const std::uint32_t pixel = 0xFF000000u | p[0] << 16 | p[1] << 8 | p[2];
            std::memcpy(data + y * stride + 4 * x, &pixel, 4);
        }
    cairo_surface_mark_dirty(surface.get());
    const cairo_status_t status = cairo_surface_write_to_png(surface.get(), path.c_str());
    if (status == CAIRO_STATUS_SUCCESS) return true;
    *error = path + ": " + cairo_status_to_string(status);
    return false;
}

PixelMask Footprint(const Picture& without, const Picture& with, int margin) {
    if (without.width != with.width || without.height != with.height) return {};
    const int w = with.width, h = with.height;
    PixelMask mask(static_cast<std::size_t>(w) * h, false);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            if (std::equal(&without.rgb[3 * i], &without.rgb[3 * i + 3], &with.rgb[3 * i]))
                continue;
            for (int v = std::max(0, y - margin); v <= std::min(h - 1, y + margin); ++v)
                for (int u = std::max(0, x - margin); u <= std::min(w - 1, x + margin); ++u)
                    mask[static_cast<std::size_t>(v) * w + u] = true;
        }
    return mask;
}

PictureDifference ComparePictures(const Picture& a, const Picture& b, const PixelMask& ignored,
                                  int reach, Picture* diff) {
    PictureDifference result;
    if (std::abs(a.width - b.width) > 1 || std::abs(a.height - b.height) > 1) {
        result.sizeMismatch = std::to_string(a.width) + "x" + std::to_string(a.height) + " vs " +
                              std::to_string(b.width) + "x" + std::to_string(b.height);
        return result;
    }
    const int width = std::min(a.width, b.width), height = std::min(a.height, b.height);
    if (diff)
        *diff = Picture{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 3)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool left =
                !ignored.empty() && ignored[static_cast<std::size_t>(y) * a.width + x];
            const bool differs = !left && (!FoundNear(a, b, x, y, reach, width, height) ||
                                           !FoundNear(b, a, x, y, reach, width, height));
            result.compared += !left;
            result.differing += differs;
            if (diff)
                PaintDiffPixel(PixelAt(a, x, y), differs, left,
                               &diff->rgb[(static_cast<std::size_t>(y) * width + x) * 3]);
        }
    return result;
}

}  // namespace quill::roundtrip
