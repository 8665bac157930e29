// Pictures of saved drawings by the two other renderers a user has: Inkscape (one headless
// process in shell mode for all of them, as it is slow to start) and Chromium (one
// browser, through tests/web/svg_pictures.mjs).
#pragma once

#include <string>
#include <vector>

namespace quill::roundtrip {

/// One picture to make: the drawing `svg` into `png`, `width` × `height` pixels, on white.
struct PictureJob {
    std::string svg, png;
    int width = 0, height = 0;
};

struct RendererRun {
    std::string failure;  // why the renderer could not run at all, or ""
    std::string log;      // everything it printed
};

/// Exports every job with one Inkscape process; the log is kept in `folder`/inkscape.log.
RendererRun PictureWithInkscape(const std::vector<PictureJob>& jobs, const std::string& folder);

/// The lines of Inkscape's log that speak of `svg` (parser errors and the like).
std::string InkscapeComplaintsAbout(const std::string& log, const std::string& svg);

/// Screenshots every job in one Chromium; the list and log are kept in `folder`.
RendererRun PictureWithChromium(const std::vector<PictureJob>& jobs, const std::string& folder);

}  // namespace quill::roundtrip
