// Pictures of SVG drawings: a PNG rendered by librsvg onto a white page.
#pragma once

#include <string>

namespace host {

/// What the picture of a drawing should be.
struct RenderOptions {
    /// Width of the picture in pixels; 0 takes the drawing's own width (CSS pixels, 96 per
    /// inch). The height keeps the drawing's proportions.
    int widthPx = 0;
    /// Pixels to the inch of the drawing, when not 0: it sets the width, and `widthPx` is
    /// not read.
    int dpi = 0;
    /// What the picture frames: the page alone, or the page and everything drawn, also
    /// outside it (with a margin), so that no dimension placed off the page is lost.
    enum class Framing { Page, Everything } framing = Framing::Page;
};

/// The largest side of a picture, in pixels: beyond it the request is refused rather
/// than allocating gigabytes.
constexpr int kLargestPictureSide = 16384;

/// Renders the SVG file `svgPath` into the PNG file `pngPath` on a white background.
/// False with a one-line `error` naming the file when the drawing cannot be read, has no
/// usable size, would exceed kLargestPictureSide, or the PNG cannot be written.
bool RenderSvgToPng(const std::string& svgPath, const std::string& pngPath,
                    const RenderOptions& options, std::string* error);

}  // namespace host
