// Two pictures of one drawing held side by side: the verdict in one line, the diff picture
// kept for a person, and a line in results.tsv of the output folder for the whole run.
#pragma once

#include <optional>
#include <string>

#include "roundtrip/drawing_files.h"
#include "roundtrip/picture_diff.h"

namespace quill::roundtrip {

/// Width of every picture compared, in pixels; the height follows the drawing.
constexpr int kPictureWidth = 480;

/// The most pixels that may differ, in percent of those compared.
constexpr double kMostDifferingPercent = 0.5;

/// Renders the drawing with librsvg (host/svg/render.h) into `png`, kPictureWidth wide.
std::optional<Picture> RenderWithLibrsvg(const std::string& svg, const std::string& png,
                                         std::string* error);

/// Compares the pictures outside `ignored`, a pixel's colour looked for within `reach`
/// pixels (ComparePictures); writes `diffPng`. Returns ""
/// when they are the same within the tolerance, else one line naming the check, the
/// share of pixels differing and where the pictures are. The verdict goes to results.tsv.
std::string CheckSamePictures(const DrawingFile& drawing, const std::string& check,
                              const Picture& expected, const Picture& actual,
                              const PixelMask& ignored, const std::string& diffPng, int reach = 0);

/// A check that could not reach its comparison, recorded in results.tsv; returns `why`.
std::string RecordFailure(const DrawingFile& drawing, const std::string& check,
                          const std::string& why);

}  // namespace quill::roundtrip
